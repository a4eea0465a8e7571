// drelmiks-sample <outdir>: writes the synthetic DRELMIKS.WN1 and DRELMIKS.WN2 into outdir.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "sample_data.h"

namespace {

bool Write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    if (out) return true;
    std::fprintf(stderr, "drelmiks-sample: cannot write %s\n", path.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: drelmiks-sample <outdir>\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "drelmiks-sample: cannot create %s: %s\n", dir.c_str(), ec.message().c_str());
        return 1;
    }
    const SampleDataSet set = MakeSampleDataSet();
    return Write(dir / "DRELMIKS.WN1", set.daily) && Write(dir / "DRELMIKS.WN2", set.profiles) ? 0 : 1;
}
