// Saves the names file over and over, alternating two sets of names, until
// it is killed: the kill test stops it at random moments in the middle of
// a save.
#include "names_file.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: names_saver FILE\n");
        return 2;
    }
    const zarvel::NamesFile file(QString::fromLocal8Bit(argv[1]));
    const zarvel::NameLines sets[2] = {{"Аня", "Борис", "Вера", "Глеб"}, {"Дарья", "", "Жанна, \"Ж\"", " Зоя"}};
    for (unsigned long i = 0;; ++i) {
        const QString reason = file.Write(sets[i % 2]);
        if (!reason.isEmpty()) {
            std::fprintf(stderr, "names_saver: %s\n", qPrintable(reason));
            return 1;
        }
    }
}
