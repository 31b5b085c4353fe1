// The reference side of bench/compare_inverse.sh, built by that script alone
// (it needs libeigen3-dev, which the program does not): Eigen's PartialPivLU
// inverse of the real n x n matrix that matrix_bench inverts (std::mt19937
// seed 7, entries uniform in [-1, 1)), with long double elements.
//
//   eigen_inverse N RUNS   prints the median milliseconds of RUNS inverses
//                          and the process's peak resident megabytes

#include <sys/resource.h>

#include <Eigen/Dense>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const int n = std::atoi(argv[1]);
    const int runs = std::atoi(argv[2]);
    using Matrix = Eigen::Matrix<long double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>;
    std::mt19937 engine(7);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    Matrix m(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            m(i, j) = value(engine);
    std::vector<double> times;
    long double check = 0;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const Matrix inverse = m.partialPivLu().inverse();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        times.push_back(took.count());
        check += inverse(0, 0);
    }
    std::sort(times.begin(), times.end());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.2f %.1f %Lg\n", times[times.size() / 2], usage.ru_maxrss / 1024.0, check);
}
