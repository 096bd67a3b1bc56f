#pragma once
// The fuzz targets: each takes any bytes, drives one piece of the program with them and checks
// what must hold whatever the input. A broken rule prints what broke and aborts, so libFuzzer
// keeps the input and the corpus replay in ./test fails loudly.
//
// bench/fuzz builds each one with clang and libFuzzer; tests/fuzz_replay replays the committed
// corpus through the same functions, built with the normal compiler.
#include <cstddef>
#include <cstdint>

// The key filters and the combo completion over a box state made from the bytes, key by key.
int FuzzKeyFilters(const std::uint8_t* data, std::size_t size);
// The password cipher: deciphering any text, and enciphering then deciphering it.
int FuzzCipher(const std::uint8_t* data, std::size_t size);
// Val, exact money from text and its "0.00" text.
int FuzzNumbers(const std::uint8_t* data, std::size_t size);
// The recordset's SQL handling: any text opened as a recordset, and any text stored and read back.
int FuzzRecordset(const std::uint8_t* data, std::size_t size);

struct FuzzTarget {
  const char* name;  // the corpus folder and the fuzzer's name
  int (*run)(const std::uint8_t*, std::size_t);
};
inline constexpr FuzzTarget kFuzzTargets[] = {
    {"keys", &FuzzKeyFilters},
    {"cipher", &FuzzCipher},
    {"numbers", &FuzzNumbers},
    {"recordset", &FuzzRecordset},
};
