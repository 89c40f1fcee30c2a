// libFuzzer target: arbitrary bytes as a mask and an initialization file (read,
// written back, read again, loaded as wildcards), the mask parsed with them.
// The bytes before the first NUL are the mask, those after it the file; with
// no NUL, all of them are the file. Built with any compiler, the same entry
// point replays a corpus (tests/fuzz/replay.cpp).
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/Errors.h"
#include "core/IniFile.h"
#include "generators/Unit_character.h"

using namespace quenvar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const size_t nul = bytes.find('\0');
  const std::string mask = nul == std::string::npos ? "" : bytes.substr(0, std::min<size_t>(nul, 512));
  const std::string text = nul == std::string::npos ? bytes : bytes.substr(nul + 1);

  IniFile ini = IniFile::FromText(text);
  const std::string total = ini.ReadString("Special Char", "Total", "");
  int32_t value = 0;
  IniFile::ParseInteger(total, true, value);
  ini.ReadBool("special char", "IscheckUpper0", false);

  // Written back and read again, the file must read the same.
  const IniFile again = IniFile::FromText(ini.Text());
  if (again.ReadString("Special Char", "Total", "") != total) std::abort();

  Tlistparchar wildcards;
  wildcards.LoadFrom(ini);
  IniFile saved;
  wildcards.SaveTo(saved);
  Tlistparchar reloaded;
  reloaded.LoadFrom(IniFile::FromText(saved.Text()));
  if (reloaded.Items.size() != wildcards.Items.size()) std::abort();
  for (size_t i = 0; i < wildcards.Items.size(); ++i)
    if (reloaded.Items[i].specialArray != wildcards.Items[i].specialArray ||
        reloaded.Items[i].NumberExclude != wildcards.Items[i].NumberExclude)
      std::abort();

  TparseString parser(wildcards);
  TArrayInputpar positions;
  try {
    parser.Parse(mask, positions);
  } catch (const EAbort&) {
    return 0;  // a wildcard with no character to draw: refused with a message
  }
  if (positions.size() > mask.size()) std::abort();
  if (parser.PossibleTotal() < 0 || parser.PossibleTotal() > MaxPossible) std::abort();
  for (const Tinputpar& p : positions)
    if (p.Lower > p.Upper || p.Lower < 0 || p.Upper > 255) std::abort();
  return 0;
}
