// Saves the names file over and over, alternating two sets of names, until
// it is killed: the kill test stops it at random moments in the middle of
// a save. With --once it saves the first set once, for the access tests.
#include "storage/names_file.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

int main(int argc, char **argv)
{
    const bool once = argc == 3 && std::string_view(argv[2]) == "--once";
    if (argc != 2 && !once) {
        std::fprintf(stderr, "usage: names_saver FILE [--once]\n");
        return 2;
    }
    const zarvel::NamesFile file(argv[1]);
    const std::array<zarvel::NameLines, 2> sets
        = {zarvel::NameLines{"Аня", "Борис", "Вера", "Глеб"}, zarvel::NameLines{"Дарья", "", "Жанна, \"Ж\"", " Зоя"}};
    for (unsigned long i = 0;; ++i) {
        const std::string reason = file.Write(sets[i % 2]);
        if (!reason.empty()) {
            std::fprintf(stderr, "names_saver: %s\n", reason.c_str());
            return 1;
        }
        if (once)
            return 0;
    }
}
