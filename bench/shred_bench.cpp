// Shreds the same file with 3 passes three ways and compares the times:
//   dd from /dev/zero with conv=fsync, writing the bytes our passes write (the disk's limit),
//   GNU shred -n 3 -u (a peer), and our shredder through the POSIX file service.
// Usage: vellox_bench [folder] [size in MiB] [rounds]; run it on the disk to be measured.
#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include "platform/posix/posix_files.h"
#include "wipe/mod_secure_wipe.h"

namespace {

constexpr int kPasses = 3;
constexpr std::uint64_t kBlock = 1024;

// A file of `size` bytes of non-pattern data, on the disk before timing starts.
bool makeVictim(const std::string& path, std::uint64_t size) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (fd < 0) return false;
  std::vector<char> chunk(1 << 20, 'V');
  bool ok = true;
  for (std::uint64_t done = 0; ok && done < size;) {
    const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), size - done));
    ok = ::write(fd, chunk.data(), n) == static_cast<ssize_t>(n);
    done += n;
  }
  ok = ::fsync(fd) == 0 && ok;
  ::close(fd);
  return ok;
}

std::string quoted(const std::string& text) { return "'" + text + "'"; }

bool run(const std::string& command) { return std::system(command.c_str()) == 0; }

// The same bytes as our passes: pass k covers floor(L0/1024)+k blocks from offset 0.
bool ddPasses(const std::string& path, std::uint64_t size) {
  for (int k = 1; k <= kPasses; ++k) {
    const std::uint64_t bytes = (size / kBlock + static_cast<std::uint64_t>(k)) * kBlock;
    if (!run("dd if=/dev/zero of=" + quoted(path) + " bs=1M iflag=count_bytes count=" + std::to_string(bytes) +
             " conv=notrunc,fsync status=none"))
      return false;
  }
  return ::unlink(path.c_str()) == 0;
}

bool gnuShred(const std::string& path) { return run("shred -n " + std::to_string(kPasses) + " -u " + quoted(path)); }

bool ours(const std::string& path) {
  auto files = vellox::posix::makeFiles();
  return static_cast<bool>(vellox::shredFile(*files, path, kPasses));
}

template <class Method>
double timed(const std::string& path, std::uint64_t size, Method method) {
  if (!makeVictim(path, size)) return -1;
  const auto start = std::chrono::steady_clock::now();
  const bool ok = method();
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  ::unlink(path.c_str());
  return ok ? took.count() : -1;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : ".";
  const std::uint64_t size = (argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1024) << 20;
  const int rounds = argc > 3 ? std::atoi(argv[3]) : 3;
  const std::string path = folder + "/vellox-bench-victim.bin";
  std::vector<double> dd, shred, mine;
  for (int round = 1; round <= rounds; ++round) {
    dd.push_back(timed(path, size, [&] { return ddPasses(path, size); }));
    shred.push_back(timed(path, size, [&] { return gnuShred(path); }));
    mine.push_back(timed(path, size, [&] { return ours(path); }));
    std::printf("round %d: dd %.2f s, shred %.2f s, ours %.2f s\n", round, dd.back(), shred.back(), mine.back());
    if (dd.back() < 0 || shred.back() < 0 || mine.back() < 0) {
      std::fprintf(stderr, "a method failed\n");
      return 1;
    }
  }
  const double d = median(dd), s = median(shred), m = median(mine);
  std::printf("%llu MiB, %d passes, median of %d rounds: dd %.2f s, shred %.2f s, ours %.2f s\n",
              static_cast<unsigned long long>(size >> 20), kPasses, rounds, d, s, m);
  std::printf("ours / dd = %.3f (target <= 1.1), ours / shred = %.3f (target < 1)\n", m / d, m / s);
  return 0;
}
