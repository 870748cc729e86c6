// Writes the benchmark's case mix as a case table file, for timing `veltar-cli batch`.
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "bench/case_mix.h"

int main(int argc, char** argv) {
    if (argc != 3 || std::atoi(argv[1]) <= 0) {
        std::fputs("usage: make_case_table CASES OUT.velti\n", stderr);
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << veltar::bench::CaseMixTable(std::atoi(argv[1]));
    out.close();
    if (!out) {
        std::fprintf(stderr, "make_case_table: can't save file - %s\n", argv[2]);
        return 2;
    }
    return 0;
}
