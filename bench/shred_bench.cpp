// Shreds the same file with 3 passes three ways and compares the times:
//   dd from /dev/zero with conv=fsync, writing the bytes our passes write (the disk's limit),
//   GNU shred -n 3 -u (a peer), and our shredder through the POSIX file service.
// Then shreds many small files (4 KiB each, 3 passes) two ways: GNU shred -n 3 -u given all of
// them in one run, and our batch shredder with its I/O workers.
// Usage: vellox_bench [folder] [size in MiB] [rounds] [small files]; run it on the disk to be measured.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include "platform/posix/posix_files.h"
#include "wipe/shred_file.h"

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

constexpr std::uint64_t kSmallSize = 4 * 1024;

// `count` files of 4 KiB in `folder`, on the disk before timing starts; their paths.
std::vector<std::string> makeSmallVictims(const std::string& folder, int count) {
  ::mkdir(folder.c_str(), 0700);
  std::vector<std::string> paths;
  std::vector<char> bytes(kSmallSize, 'v');
  for (int i = 0; i < count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "/f%05d.tmp", i);
    paths.push_back(folder + name);
    const int fd = ::open(paths.back().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) return {};
    ::close(fd);
  }
  ::sync();
  return paths;
}

// All the files in one run of shred, from inside the folder so that the command line stays short.
bool gnuShredMany(const std::string& folder, const std::vector<std::string>& paths) {
  std::string command = "cd " + quoted(folder) + " && shred -n " + std::to_string(kPasses) + " -u";
  for (const auto& path : paths) command += " " + path.substr(folder.size() + 1);
  return run(command);
}

bool oursMany(const std::vector<std::string>& paths) {
  auto files = vellox::posix::makeFiles();
  std::vector<std::string> batch{""};
  batch.insert(batch.end(), paths.begin(), paths.end());
  vellox::ShredControl control;
  const auto results = vellox::shredFiles(*files, batch, 1, kPasses, control);
  return std::all_of(results.begin(), results.end(), [](const vellox::Shred& s) { return static_cast<bool>(s); });
}

template <class Method>
double timedMany(const std::string& folder, int count, Method method) {
  const auto paths = makeSmallVictims(folder, count);
  if (paths.empty()) return -1;
  const auto start = std::chrono::steady_clock::now();
  const bool ok = method(paths);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  run("rm -rf " + quoted(folder));
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
  const int smallFiles = argc > 4 ? std::atoi(argv[4]) : 10000;
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
  const std::string many = folder + "/vellox-bench-small";
  std::vector<double> shredMany, mineMany;
  for (int round = 1; round <= rounds; ++round) {
    shredMany.push_back(timedMany(many, smallFiles, [&](const auto& paths) { return gnuShredMany(many, paths); }));
    mineMany.push_back(timedMany(many, smallFiles, [&](const auto& paths) { return oursMany(paths); }));
    std::printf("round %d, %d files of 4 KiB: shred %.2f s, ours %.2f s\n", round, smallFiles, shredMany.back(),
                mineMany.back());
    if (shredMany.back() < 0 || mineMany.back() < 0) {
      std::fprintf(stderr, "a method failed on the small files\n");
      return 1;
    }
  }
  const double sm = median(shredMany), mm = median(mineMany);
  std::printf("%d files of 4 KiB, %d passes, median of %d rounds: shred %.2f s, ours %.2f s\n", smallFiles, kPasses,
              rounds, sm, mm);
  std::printf("large file: ours / dd = %.3f (target <= 1.1), ours / shred = %.3f (target < 1)\n", m / d, m / s);
  std::printf("small files: ours / shred = %.3f (target <= 0.5)\n", mm / sm);
  return 0;
}
