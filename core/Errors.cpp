#include "core/Errors.h"

#include <atomic>
#include <exception>

namespace quenvar {

namespace {
static_assert(std::atomic<bool>::is_always_lock_free);
// Constant-initialized: a signal handler may reach it at any time.
std::atomic<bool>& InterruptFlag() noexcept {
  static std::atomic<bool> requested{false};
  return requested;
}
}  // namespace

void RequestInterrupt() noexcept { InterruptFlag().store(true, std::memory_order_relaxed); }
bool InterruptRequested() noexcept { return InterruptFlag().load(std::memory_order_relaxed); }

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
