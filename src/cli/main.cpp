#include <cstdio>
#include <cstring>

// Commands are added here as the engine grows.
int main(int argc, char* argv[])
{
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
        std::fprintf(stderr, "usage: quorvel-cli COMMAND [--home DIR] ARGS...\n");
        return argc < 2 ? 2 : 0;
    }
    std::fprintf(stderr, "quorvel-cli: unknown command '%s'\n", argv[1]);
    return 2;
}
