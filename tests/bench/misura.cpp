// Times two or more commands run in turn, one after the other in every round, so that both see
// the same machine: misura ROUNDS -- CMD1 ARGS... -- CMD2 ARGS... [-- ...]
// Each command's standard output goes to /dev/null; prints the median wall time of each
// command in milliseconds and the ratio of each later median to the first.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

double adesso()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// milliseconds; negative when the command failed
double esegui(const std::vector<char *> &argv)
{
    const double inizio = adesso();
    const pid_t pid = fork();
    if (pid == 0) {
        const int nulla = open("/dev/null", O_WRONLY);
        dup2(nulla, STDOUT_FILENO);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int stato = 0;
    waitpid(pid, &stato, 0);
    const double durata = adesso() - inizio;
    return WIFEXITED(stato) && WEXITSTATUS(stato) <= 1 ? durata : -1;
}

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4 || std::strcmp(argv[2], "--") != 0) {
        std::fprintf(stderr, "uso: misura ROUNDS -- CMD1 ARGS... -- CMD2 ARGS...\n");
        return 2;
    }
    const int giri = std::atoi(argv[1]);
    std::vector<std::vector<char *>> comandi;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            comandi.emplace_back();
        else
            comandi.back().push_back(argv[i]);
    }
    for (auto &c : comandi) {
        if (c.empty()) {
            std::fprintf(stderr, "misura: comando vuoto\n");
            return 2;
        }
        c.push_back(nullptr);
        esegui(c); // once to warm the caches, not counted
    }
    std::vector<std::vector<double>> tempi(comandi.size());
    for (int g = 0; g < giri; ++g)
        for (std::size_t k = 0; k < comandi.size(); ++k) {
            const double t = esegui(comandi[k]);
            if (t < 0) {
                std::fprintf(stderr, "misura: \"%s\" non è riuscito\n", comandi[k][0]);
                return 1;
            }
            tempi[k].push_back(t);
        }
    const double primo = mediana(tempi[0]);
    for (std::size_t k = 0; k < comandi.size(); ++k) {
        const double m = mediana(tempi[k]);
        std::printf("%-40s mediana %8.3f ms", comandi[k][0], m);
        if (k > 0)
            std::printf("   rapporto %.3f", m / primo);
        std::printf("\n");
    }
    return 0;
}
