#include "program.h"

#include <cstdio>

#include "../platform/WinGraph.h"
#include "../platform/backend.h"
#include "../platform/runerror.h"
#include "DRELMIKS.h"
#include "UNTVOCH0.h"

namespace {

// Whatever way a run leaves (normally, by a run-time error, or by a test's exception), the
// window closes and the data files are released, so the next run in this process starts clean.
struct RunScope {
    explicit RunScope(Backend& backend) { SetBackend(&backend); }
    ~RunScope() {
        CloseGraph();
        UNTVOCH0::UNTVOCH0_DONE();
        SetBackend(nullptr);
    }
};

}  // namespace

int RunDrelmiks(Backend& backend) {
    RunScope scope(backend);
    try {
        UNTVOCH0::UNTVOCH0_INIT();
        DRELMIKS::MainSequence();
    } catch (const RuntimeError& error) {
        return ReportRuntimeError(error);
    } catch (const NoWindowError& error) {
        std::fprintf(stderr, "drelmiks: no window can be opened: %s\n", error.what());
        return 1;
    }
    return 0;
}
