// EncryptData and DecryptData throughput on 1 MiB against libmcrypt's rijndael-256 in ECB mode
// over the same frame, in one run; ends with the time ratios (above 1: we are faster).
#include <mcrypt.h>

#include <algorithm>
#include <random>

#include "Ratios.h"
#include "crypto/CRijndael.h"

namespace {

constexpr std::size_t kMessageBytes = 1 << 20;

const vl::Bytes& Message() {
  static const vl::Bytes message = [] {
    std::mt19937 rng(1);
    vl::Bytes m(kMessageBytes);
    for (auto& b : m)
      b = static_cast<std::uint8_t>(rng());
    return m;
  }();
  return message;
}

const vl::Bytes kPassword(32, 0x5C);

// What EncryptData does, done with libmcrypt: frame, key set-up, ECB, release.
vl::Bytes McryptEncryptData(const vl::Bytes& message, bool decrypt) {
  vl::Bytes frame((message.size() + 4 + 31) / 32 * 32, 0);
  for (int i = 0; i < 4; ++i)
    frame[i] = static_cast<std::uint8_t>(message.size() >> (8 * i));
  std::copy(message.begin(), message.end(), frame.begin() + 4);
  MCRYPT td = mcrypt_module_open(const_cast<char*>("rijndael-256"), nullptr,
                                 const_cast<char*>("ecb"), nullptr);
  vl::Bytes key = kPassword;
  mcrypt_generic_init(td, key.data(), static_cast<int>(key.size()), nullptr);
  const int size = static_cast<int>(frame.size());
  decrypt ? mdecrypt_generic(td, frame.data(), size) : mcrypt_generic(td, frame.data(), size);
  mcrypt_generic_deinit(td);
  mcrypt_module_close(td);
  return frame;
}

void BM_EncryptData_Verdelune(benchmark::State& state) {
  vl::CRijndael cipher;
  for (auto _ : state)
    benchmark::DoNotOptimize(cipher.EncryptData(Message(), kPassword));
  state.SetBytesProcessed(state.iterations() * kMessageBytes);
}

void BM_EncryptData_Mcrypt(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(McryptEncryptData(Message(), false));
  state.SetBytesProcessed(state.iterations() * kMessageBytes);
}

void BM_DecryptData_Verdelune(benchmark::State& state) {
  vl::CRijndael cipher;
  const vl::Bytes cipherText = *cipher.EncryptData(Message(), kPassword);
  for (auto _ : state)
    benchmark::DoNotOptimize(cipher.DecryptData(cipherText, kPassword));
  state.SetBytesProcessed(state.iterations() * kMessageBytes);
}

void BM_DecryptData_Mcrypt(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(McryptEncryptData(Message(), true));
  state.SetBytesProcessed(state.iterations() * kMessageBytes);
}

BENCHMARK(BM_EncryptData_Verdelune)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncryptData_Mcrypt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecryptData_Verdelune)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecryptData_Mcrypt)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // Above 1: we are faster.
  return vl::bench::RunWithRatios(argc, argv,
                                  {{"EncryptData 1 MiB: libmcrypt / Verdelune",
                                    "BM_EncryptData_Mcrypt", "BM_EncryptData_Verdelune"},
                                   {"DecryptData 1 MiB: libmcrypt / Verdelune",
                                    "BM_DecryptData_Mcrypt", "BM_DecryptData_Verdelune"}});
}
