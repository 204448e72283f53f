#include "dialogs/JournalWindow.h"

#include "core/ProgramTitle.h"
#include "journal/JournalQuery.h"
#include "panel/Reglages.h"

namespace vl {
namespace {

constexpr int kWidth = 9240;
constexpr int kHeight = 6240;
const Colour kBlue = 0x0000FF;

std::wstring Thousands(std::size_t n) {
  std::wstring digits = std::to_wstring(n);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
    digits.insert(static_cast<std::size_t>(at), L" ");
  return digits;
}

}  // namespace

JournalWindow::JournalWindow(const WindowContext& ctx)
    : Form(ctx.platform,
           FormDesign{L"Journal", L"Journal de modération", kWidth, kHeight, 0xF0F8FF}),
      ctx_(ctx),
      c_(LayOut()) {}

JournalWindow::Controls JournalWindow::LayOut() {
  Add({.name = L"Label1",
       .kind = ControlKind::Label,
       .text = L"Pseudo :",
       .rect = {120, 180, 900, 255},
       .fore = kBlue,
       .font = {L"MS Sans Serif", 8.25, true}});
  Control& filter = Add({.name = L"Filtre",
                         .kind = ControlKind::TextBox,
                         .rect = {1080, 120, 3600, 315},
                         .back = 0xFFFFFF,
                         .fore = 0x000000});
  Control& open = Add({.name = L"Ouvrir",
                       .kind = ControlKind::Button,
                       .text = L"Ouvrir le fichier",
                       .rect = {kWidth - 2520, 90, 2400, 375},
                       .back = 0x80FFFF,
                       .fore = 0x004000,
                       .font = {L"Arial", 8.25, true}});
  filter.onChange = [this] { Refresh(); };  // the list follows the typing
  open.onClick = [this] { OpenFile(); };
  Control& summary =
      Add({.name = L"Resume",
           .kind = ControlKind::Label,
           .text = L"",
           .rect = {120, 600, kWidth - 240, 480},  // a long history wraps to a second line
           .fore = 0x800000,
           .font = {L"MS Sans Serif", 8.25, true}});
  Control& rows = Add({.name = L"Lignes",
                       .kind = ControlKind::List,
                       .rect = {120, 1140, kWidth - 240, 4440},
                       .back = 0xFFFFFF,
                       .fore = 0x000000});
  Control& note = Add({.name = L"Note",
                       .kind = ControlKind::Label,
                       .text = L"",
                       .rect = {120, 5700, kWidth - 240, 420},
                       .fore = 0xC00000});
  return {filter, summary, rows, note};
}

void JournalWindow::Open(const std::wstring& nick) {
  c_.Filtre.SetText(nick);
  Reload();
  Load();                            // a window not yet made cannot be moved
  MoveToCornerOf(ctx_.nav.Panel());  // at each opening, where the moderator works
  Show();
  Focus(c_.Filtre);
}

// Over the panel, as the pickers are; a command sent while the window stood open is in the
// list when the moderator comes back to it.
void JournalWindow::OnActivate() {
  SetAlwaysOnTop();
  if (ctx_.journal.Written() != readAt_) Reload();
}

void JournalWindow::Reload() {
  readAt_ = ctx_.journal.Written();
  journal_ = ReadJournal(ctx_.platform, ctx_.journal.Path());
  Refresh();
}

void JournalWindow::Refresh() {
  const std::wstring& nick = c_.Filtre.Text();
  const std::vector<std::size_t> found = MatchingRows(journal_.rows, nick);
  std::vector<std::wstring> items;
  items.reserve(std::min(found.size(), kJournalRowsShown));
  for (std::size_t i = 0; i < found.size() && i < kJournalRowsShown; ++i)
    items.push_back(RowText(journal_.rows[found[i]]));
  c_.Lignes.SetItems(std::move(items));

  std::wstring summary = HistorySummary(journal_.rows, nick);
  if (summary.empty()) summary = Thousands(journal_.rows.size()) + L" commande(s) dans le journal.";
  c_.Resume.SetText(summary);
  std::wstring note = SkippedNote(journal_);
  if (found.size() > kJournalRowsShown) {
    if (!note.empty()) note += L" ";
    note += L"Seules les " + Thousands(kJournalRowsShown) + L" plus récentes sur " +
            Thousands(found.size()) + L" sont affichées : précisez le pseudo.";
  }
  c_.Note.SetText(note);
}

void JournalWindow::OpenFile() {
  const std::wstring& path = ctx_.journal.Path();
  if (!ctx_.platform.profile().FileLength(path)) {
    ctx_.platform.dialogs().ShowMessage(
        L"Le journal est encore vide : aucune commande n'a été envoyée depuis ce dossier.",
        kProgramTitle, MessageBoxStyle::Ok);
  } else if (!ctx_.platform.files().OpenWithAssociatedProgram(path)) {
    ctx_.platform.dialogs().ShowMessage(
        L"Aucun programme n'a pu ouvrir le journal. Son fichier est :\r\n" + path +
            L"\r\n\r\nOuvrez-le avec un tableur ou un éditeur de texte.",
        kProgramTitle, MessageBoxStyle::Ok);
  }
}

}  // namespace vl
