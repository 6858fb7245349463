// Resolver calls per second against a loopback parse service, beside curl's command line
// fetching the same address in the same run. Prints wall time and the calling thread's CPU
// time per call (the library's own work, libcurl and its system calls included).

#include "bench/resolver/loopback_service.h"

#include <dlfcn.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char **environ;

namespace {

constexpr int ResolverCalls = 3000;
constexpr int CurlRuns = 300;
constexpr int CurlBatchUrls = 1000;
constexpr char PageAddress[] = "http://v.example.com/v_show/id_XMTIzNDU2Nzg5MA==.html";

double Seconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// A typical answer: a short JSON text naming the media type and its address, 300 bytes.
std::string TypicalAnswer()
{
    std::string answer = R"({"status":"ok","site":"v.example.com","type":"flv","title":"Example clip",)"
                         R"("url":"http://media.example.com/flv/2026/12/11/0A1B2C3D4E5F.flv?key=5c1d7f",)"
                         R"("duration":"635","size":"48213377","parts":"1","note":")";
    answer.append(300 - answer.size() - 2, 'x');
    return answer + "\"}";
}

// Runs curl with args to the end; false when it could not be started or failed.
bool RunCurl(const std::vector<std::string> &args)
{
    std::vector<char *> argv;
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, "curl", nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<std::string> CurlArgs(const std::string &address, int times)
{
    std::vector<std::string> args = {"curl", "-s", "-0", "--noproxy", "*",
                                     "-A", "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)"};
    for (int i = 0; i < times; ++i) {
        args.push_back("-o");
        args.push_back("/dev/null");
        args.push_back(address);
    }
    return args;
}

}  // namespace

int main()
{
    LoopbackService service(BENCH_SERVICE_PORT, TypicalAnswer());
    if (!service.isListening()) {
        std::fprintf(stderr, "bench_resolver: port %d is taken\n", BENCH_SERVICE_PORT);
        return 1;
    }
    void *library = dlopen(BENCH_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    auto qinglan = library ? reinterpret_cast<const char *(*)(const char *)>(dlsym(library, "qinglan")) : nullptr;
    if (!qinglan) {
        std::fprintf(stderr, "bench_resolver: %s\n", dlerror());
        return 1;
    }
    const std::string expected = "http://media.example.com/flv/2026/12/11/0A1B2C3D4E5F.flv?key=5c1d7f";
    for (int i = 0; i < 100; ++i)
        if (qinglan(PageAddress) != expected) {
            std::fprintf(stderr, "bench_resolver: unexpected result \"%s\"\n", qinglan(PageAddress));
            return 1;
        }

    const double wallStart = Seconds(CLOCK_MONOTONIC);
    const double cpuStart = Seconds(CLOCK_THREAD_CPUTIME_ID);
    for (int i = 0; i < ResolverCalls; ++i)
        qinglan(PageAddress);
    const double ourWall = (Seconds(CLOCK_MONOTONIC) - wallStart) / ResolverCalls;
    const double ourCpu = (Seconds(CLOCK_THREAD_CPUTIME_ID) - cpuStart) / ResolverCalls;

    const std::string address = "http://127.0.0.1:" + std::to_string(BENCH_SERVICE_PORT) +
                                "/getFlv.php?url=" + PageAddress;
    if (!RunCurl(CurlArgs(address, 1))) {
        std::fprintf(stderr, "bench_resolver: curl is missing or failed\n");
        return 1;
    }
    double start = Seconds(CLOCK_MONOTONIC);
    for (int i = 0; i < CurlRuns; ++i)
        RunCurl(CurlArgs(address, 1));
    const double curlPerRun = (Seconds(CLOCK_MONOTONIC) - start) / CurlRuns;
    start = Seconds(CLOCK_MONOTONIC);
    RunCurl(CurlArgs(address, CurlBatchUrls));
    const double curlPerUrl = (Seconds(CLOCK_MONOTONIC) - start) / CurlBatchUrls;

    std::printf("resolver against a loopback service, %zu-byte answer\n", TypicalAnswer().size());
    std::printf("  qinglan():            %8.1f us/call  %8.0f calls/s  (own CPU %.1f us/call, %d calls)\n",
                ourWall * 1e6, 1 / ourWall, ourCpu * 1e6, ResolverCalls);
    std::printf("  curl, one run a call: %8.1f us/call  %8.0f calls/s  (%d runs)\n",
                curlPerRun * 1e6, 1 / curlPerRun, CurlRuns);
    std::printf("  curl, %d URLs a run: %6.1f us/URL   %8.0f URLs/s\n", CurlBatchUrls, curlPerUrl * 1e6,
                1 / curlPerUrl);
    std::printf("  ratio qinglan/curl per call: %.3f (goal <= 1); own CPU per call %.3f ms (goal < 1 ms)\n",
                ourWall / curlPerRun, ourCpu * 1e3);
    std::printf("  requests served: %ld\n", service.requestCount());
    std::printf("  goals %s\n", ourWall <= curlPerRun && ourCpu < 1e-3 ? "met" : "MISSED");
    dlclose(library);
    return 0;
}
