#include "app/single_instance.h"

SingleInstanceGuard::SingleInstanceGuard()
    : mutex_(CreateMutexW(nullptr, FALSE, L"Lexora电子版")),
      first_(GetLastError() != ERROR_ALREADY_EXISTS) {}
