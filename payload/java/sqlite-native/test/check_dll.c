/*
 * Loads the driver's native library as Java's System.load does on Windows and looks up each
 * function the driver's Java side calls, by the names the JVM looks for (undecorated: the 32-bit
 * library is linked with --kill-at). Prints "NAME: N of M functions" and exits 0 when all are
 * there; names each missing one and exits 1.
 *
 * usage: check_dll.exe LIBRARY.dll NAMES.txt   (NAMES.txt: one function name a line)
 */
#include <stdio.h>
#include <string.h>
#include <windows.h>

int main(int argc, char **argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: check_dll LIBRARY.dll NAMES.txt\n");
        return 2;
    }
    HMODULE lib = LoadLibraryA(argv[1]);
    if (lib == NULL) {
        printf("%s: cannot be loaded (error %lu)\n", argv[1], (unsigned long)GetLastError());
        return 1;
    }
    FILE *names = fopen(argv[2], "r");
    if (names == NULL) {
        printf("%s: cannot be read\n", argv[2]);
        return 2;
    }
    char line[512];
    int total = 0;
    int found = 0;
    while (fgets(line, sizeof line, names) != NULL) {
        line[strcspn(line, "\r\n")] = '\0';
        if (line[0] == '\0') {
            continue;
        }
        total++;
        if (GetProcAddress(lib, line) != NULL) {
            found++;
        } else {
            printf("missing: %s\n", line);
        }
    }
    fclose(names);
    printf("%s: %d of %d functions\n", argv[1], found, total);
    return found == total && total > 0 ? 0 : 1;
}
