#include "core/Errors.h"

#include <exception>

namespace quenvar {

ErrorReport DescribeCurrentException() {
  try {
    throw;
  } catch (const EAbort& e) {
    return {e.className(), e.what(), true};
  } catch (const Exception& e) {
    return {e.className(), e.what(), false};
  } catch (const std::bad_alloc&) {
    EOutOfMemory e;
    return {e.className(), e.what(), false};
  } catch (const std::length_error&) {
    EOutOfMemory e;
    return {e.className(), e.what(), false};
  } catch (const std::exception& e) {
    return {"Exception", e.what(), false};
  } catch (...) {
    return {"Exception", "Unknown error", false};
  }
}

}  // namespace quenvar
