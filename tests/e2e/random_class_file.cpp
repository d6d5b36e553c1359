// SPDX-License-Identifier: MIT
// A random ship class for the end-to-end tests, of characters a game keeps:
//   random_class_file SEED FILE EXPECTED [full]
// writes the class's command file to FILE and, to EXPECTED, what Export to Screen writes once the
// file is opened. With "full", every system is included (a class of more than a hundred lines).
#include "core/export/class_export.h"
#include "core/files/command_file_reading.h"
#include "random_records.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

namespace {

bool write(const char* path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    return static_cast<bool>(out.flush());
}

} // namespace

int main(int argc, char** argv) {
    using namespace keelwright;
    if (argc < 4) {
        std::cerr << "usage: random_class_file SEED FILE EXPECTED [full]\n";
        return 2;
    }
    testing::RecordGenerator generate(static_cast<unsigned>(std::stoul(argv[1])),
                                      testing::Alphabet::Game);
    ShipClassRecord record = generate.shipClass();
    if (argc > 4 && std::string(argv[4]) == "full")
        for (const ExportSection& section : classExportSections())
            if (!section.includeFlag.empty())
                record.setFlag(section.includeFlag, true);
    const std::string file = exportClass(record);
    const FileReading opened = readCommandFile(file, ShipClassRecord());
    if (opened.content != FileContent::ShipClass) {
        std::cerr << "the random class does not open as a class\n";
        return 1;
    }
    return write(argv[2], file) && write(argv[3], exportClass(opened.shipClass)) ? 0 : 1;
}
