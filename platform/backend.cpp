#include "backend.h"

namespace {
Backend* current = nullptr;
}

void SetBackend(Backend* backend) { current = backend; }

Backend* CurrentBackend() { return current; }
