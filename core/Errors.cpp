#include "core/Errors.h"

#include <exception>

namespace quenvar {

ErrorReport DescribeCurrentException() {
  try {
    throw;
  } catch (const EAbort& e) {
    return {e.className(), e.what(), true, e.text()};
  } catch (const Exception& e) {
    return {e.className(), e.what(), false, e.text()};
  } catch (const std::bad_alloc&) {
    EOutOfMemory e;
    return {e.className(), e.what(), false, e.text()};
  } catch (const std::length_error&) {
    EOutOfMemory e;
    return {e.className(), e.what(), false, e.text()};
  } catch (const std::exception& e) {
    return {"Exception", e.what(), false, Text::Plain(e.what())};
  } catch (...) {
    const Text unknown(TR_NOOP("Core", "Unknown error"));
    return {"Exception", unknown.english(), false, unknown};
  }
}

}  // namespace quenvar
