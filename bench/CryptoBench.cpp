// EncryptData and DecryptData on 1 MiB against libmcrypt's rijndael-256 in ECB mode over the
// same frame, in one run; ends with the time ratios (above 1: we are faster).
#include <mcrypt.h>

#include <algorithm>
#include <random>

#include "Ratios.h"
#include "crypto/CRijndael.h"

namespace {

const vl::Bytes kPassword(32, 0x5C);

// What EncryptData does, done with libmcrypt: frame, key set-up, ECB, release.
vl::Bytes Mcrypt(const vl::Bytes& message, bool decrypt) {
  vl::Bytes frame((message.size() + 4 + 31) / 32 * 32, 0);
  for (int i = 0; i < 4; ++i)
    frame[i] = static_cast<std::uint8_t>(message.size() >> (8 * i));
  std::copy(message.begin(), message.end(), frame.begin() + 4);
  MCRYPT td = mcrypt_module_open(const_cast<char*>("rijndael-256"), nullptr,
                                 const_cast<char*>("ecb"), nullptr);
  mcrypt_generic_init(td, const_cast<std::uint8_t*>(kPassword.data()), 32, nullptr);
  const int size = static_cast<int>(frame.size());
  decrypt ? mdecrypt_generic(td, frame.data(), size) : mcrypt_generic(td, frame.data(), size);
  mcrypt_generic_deinit(td);
  mcrypt_module_close(td);
  return frame;
}

void BM_Crypt(benchmark::State& state, bool ours, bool decrypt) {
  vl::CRijndael cipher;
  vl::Bytes message(1 << 20);
  std::ranges::generate(message, std::mt19937(1));
  const vl::Bytes input = ours && decrypt ? *cipher.EncryptData(message, kPassword) : message;
  for (auto _ : state) {
    if (!ours) benchmark::DoNotOptimize(Mcrypt(input, decrypt));
    if (ours && decrypt) benchmark::DoNotOptimize(cipher.DecryptData(input, kPassword));
    if (ours && !decrypt) benchmark::DoNotOptimize(cipher.EncryptData(input, kPassword));
  }
  state.SetBytesProcessed(state.iterations() * message.size());
}

BENCHMARK_CAPTURE(BM_Crypt, EncryptData_Verdelune, true, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Crypt, EncryptData_Mcrypt, false, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Crypt, DecryptData_Verdelune, true, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Crypt, DecryptData_Mcrypt, false, true)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return vl::bench::RunWithRatios(
      argc, argv,
      {{"EncryptData 1 MiB: libmcrypt / Verdelune", "BM_Crypt/EncryptData_Mcrypt",
        "BM_Crypt/EncryptData_Verdelune"},
       {"DecryptData 1 MiB: libmcrypt / Verdelune", "BM_Crypt/DecryptData_Mcrypt",
        "BM_Crypt/DecryptData_Verdelune"}});
}
