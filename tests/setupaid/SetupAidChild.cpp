// The program the setupaid tests start: writes its arguments, one a line, to the file named by
// SETUPAID_CHILD_OUT, then sleeps SETUPAID_CHILD_MS milliseconds.
#include <cstdio>
#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
    if (const char* out = std::getenv("SETUPAID_CHILD_OUT")) {
        if (FILE* f = std::fopen(out, "w")) {
            for (int i = 0; i < argc; ++i)
                std::fprintf(f, "%s\n", argv[i]);
            std::fclose(f);
        }
    }
    if (const char* ms = std::getenv("SETUPAID_CHILD_MS")) {
        const long n = std::atol(ms);
        struct timespec t {
            n / 1000, (n % 1000) * 1000000L
        };
        nanosleep(&t, nullptr);
    }
    return 3;
}
