#pragma once
#include <gtest/gtest.h>
#include <string>
#include "wipe/forwarding_files.h"
#include "wipe/shred_file.h"

namespace vellox::test {

// Shreds files of 0, 1024, 1025 and 4x1024+520 bytes with 1, 3 and 7 passes on a
// real file service: pass k must write floor(L0/1024)+k blocks from offset 0 and
// be flushed; the file must hold (floor(L0/1024)+P) blocks of 0x01 when deleted.
template <class MakeFile>
void checkPassArithmetic(Files& real, const std::string& path, MakeFile makeFile) {
  for (std::size_t size : {0u, 1024u, 1025u, 4u * 1024u + 520u}) {
    for (int passes : {1, 3, 7}) {
      SCOPED_TRACE(std::to_string(size) + " bytes, " + std::to_string(passes) + " passes");
      ASSERT_TRUE(makeFile(path, std::string(size, 'S')));
      PassRecorder files(real);
      EXPECT_TRUE(shredFile(files, path, passes));
      ASSERT_EQ(files.passes.size(), static_cast<std::size_t>(passes));
      for (int k = 1; k <= passes; ++k) {
        const auto& pass = files.passes[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(pass.end, (size / 1024 + static_cast<std::size_t>(k)) * 1024);
        EXPECT_EQ(pass.bytesWritten, pass.end);
        EXPECT_TRUE(pass.contiguousFromZero);
        EXPECT_TRUE(pass.flushedAfterLastWrite);
      }
      ASSERT_EQ(files.deleted.size(), 1u);
      EXPECT_EQ(files.deleted[0], std::string((size / 1024 + static_cast<std::size_t>(passes)) * 1024, '\x01'));
      std::uint64_t length = 0;
      EXPECT_EQ(real.fileLength(path, length).code, FileErrc::NotFound);
    }
  }
}

}  // namespace vellox::test
