// libFuzzer target: arbitrary bytes as an initialization file (read, written
// back, read again, loaded as wildcards) and as a mask parsed with them.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/Errors.h"
#include "core/IniFile.h"
#include "generators/Unit_character.h"

using namespace quenvar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider provider(data, size);
  const std::string mask = provider.ConsumeRandomLengthString(512);
  const std::string text = provider.ConsumeRemainingBytesAsString();

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
