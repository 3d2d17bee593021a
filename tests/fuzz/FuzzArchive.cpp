// libFuzzer target: the image of ListArbitraryBytes packed as a zip member and as a .d64.gz,
// and the input itself read as a zip, each listed through the archive reader, the walk and
// every output form (make fuzz). The packed files live in the fuzzing folder, one set per
// process.
#include <archive.h>
#include <archive_entry.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "ListArbitraryBytes.h"

namespace {

// The bytes packed by libarchive's writer: a zip with the member name, or (name empty) gzip.
std::vector<char> Packed(const std::vector<char>& bytes, const char* name) {
  std::vector<char> out(bytes.size() + 65536);
  std::size_t used = 0;
  struct archive* a = archive_write_new();
  if (*name) {
    archive_write_set_format_zip(a);
  } else {
    archive_write_set_format_raw(a);
    archive_write_add_filter_gzip(a);
  }
  archive_write_open_memory(a, out.data(), out.size(), &used);
  struct archive_entry* entry = archive_entry_new();
  archive_entry_set_pathname(entry, *name ? name : "image");
  archive_entry_set_size(entry, static_cast<la_int64_t>(bytes.size()));
  archive_entry_set_filetype(entry, AE_IFREG);
  archive_entry_set_perm(entry, 0644);
  archive_write_header(a, entry);
  archive_write_data(a, bytes.data(), bytes.size());
  archive_entry_free(entry);
  archive_write_free(a);  // closes, finishing the archive
  out.resize(used);
  return out;
}

void Put(const std::string& path, const char* data, std::size_t size) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(data, std::streamsize(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::uint8_t control = 0;
  const int fd = quillane::test::ImageOfArbitraryBytes(data, size, &control);
  if (fd < 0) return 0;
  std::vector<char> image(static_cast<std::size_t>(::lseek(fd, 0, SEEK_END)));
  if (::pread(fd, image.data(), image.size(), 0) != static_cast<ssize_t>(image.size())) abort();
  ::close(fd);
  const std::string stem = "fuzz-" + std::to_string(::getpid());
  const std::vector<char> zip = Packed(image, "in/fuzz.d64"), gz = Packed(image, "");
  Put(stem + ".zip", zip.data(), zip.size());
  Put(stem + ".d64.gz", gz.data(), gz.size());
  Put(stem + "-raw.zip", reinterpret_cast<const char*>(data), size);
  quillane::test::ListThroughEveryForm(
      {stem + ".zip", stem + ".zip/in/fuzz.d64", stem + ".d64.gz", stem + "-raw.zip"}, control);
  return 0;
}
