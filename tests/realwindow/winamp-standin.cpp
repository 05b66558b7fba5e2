// A Windows stand-in for the player, run under Wine by the Wine test: it
// appends each argument it receives, as the Windows program sees it, to
// args.log beside itself, then a line "--"; a single argument is a file to
// play, whose bytes it copies to received.bin there.
#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    char folder[1024];
    std::snprintf(folder, sizeof folder, "%s", argv[0]);
    char *slash = std::strrchr(folder, '\\');
    *(slash ? slash + 1 : folder) = '\0';

    char path[1100];
    std::snprintf(path, sizeof path, "%sargs.log", folder);
    std::FILE *log = std::fopen(path, "ab");
    if (!log)
        return 1;
    for (int i = 1; i < argc; ++i)
        std::fprintf(log, "%s\n", argv[i]);
    std::fprintf(log, "--\n");
    std::fclose(log);

    if (argc != 2)
        return 0;
    std::snprintf(path, sizeof path, "%sreceived.bin", folder);
    std::FILE *in = std::fopen(argv[1], "rb");
    std::FILE *out = std::fopen(path, "wb");
    char buffer[65536];
    std::size_t n;
    while (in && out && (n = std::fread(buffer, 1, sizeof buffer, in)) > 0)
        std::fwrite(buffer, 1, n, out);
    if (in)
        std::fclose(in);
    if (out)
        std::fclose(out);
    return 0;
}
