#include "os/clock.h"

#include <windows.h>

namespace vantrel::os {

LocalTime localTimeNow() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return LocalTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace vantrel::os
