#include "ImageSources.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>
#include <utility>

#include "ArchiveNames.h"
#ifdef QL_WITH_ARCHIVES
#include "ArchiveMembers.h"
#endif

namespace quillane::cli {
namespace {

namespace fs = std::filesystem;

bool Take(const std::function<bool(ImageSource&)>& take, ImageSource::Kind kind, std::string path,
          std::string reason = {}) {
  ImageSource source;
  source.kind = kind;
  source.path = std::move(path);
  source.reason = std::move(reason);
  return take(source);
}

#ifdef QL_WITH_ARCHIVES
// The members of an archive (only the one named, when given), then its damage. An archive
// without images is said to be one when it was named itself, and passed over in a walk.
bool TakeMembers(const std::string& archive_path, const std::string* only, bool named,
                 const std::function<bool(ImageSource&)>& take) {
  bool go_on = true;
  bool found = false;
  const Outcome whole = archive::ReadImageMembers(archive_path, only, [&](archive::Member& member) {
    found = true;
    ImageSource source;
    source.kind = member.read ? ImageSource::Kind::Bytes : ImageSource::Kind::Failed;
    source.path = archive_path + "/" + member.name;
    source.archive = archive_path;
    source.member = member.name;
    source.bytes = std::move(member.bytes);
    source.reason = std::move(member.reason);
    go_on = take(source);
    return go_on;
  });
  if (!go_on) return false;
  if (!whole) return Take(take, ImageSource::Kind::Failed, archive_path, whole.reason);
  if (only && !found) {
    return Take(take, ImageSource::Kind::Failed, archive_path + "/" + *only,
                "no such image in the archive");
  }
  if (!found && named) {
    return Take(take, ImageSource::Kind::Failed, archive_path, "no disk image in the archive");
  }
  return true;
}

bool TakeCompressed(const std::string& path, const std::function<bool(ImageSource&)>& take) {
  ImageSource source;
  source.path = path;
  source.archive = path;
  Outcome read = archive::ReadCompressedImage(path, &source.bytes);
  source.kind = read ? ImageSource::Kind::Bytes : ImageSource::Kind::Failed;
  source.reason = std::move(read.reason);
  return take(source);
}
#endif

// One path that is not a folder to walk: named on the command line, or met in a walk.
bool TakeFile(const std::string& path, bool named, const std::function<bool(ImageSource&)>& take) {
#ifdef QL_WITH_ARCHIVES
  // Only names of archives are looked at on disk: a plain image path costs no system call here.
  const bool compressed = archive::IsCompressedImageName(path);
  std::error_code error;
  if ((compressed || archive::IsArchiveName(path)) && fs::is_regular_file(path, error)) {
    return compressed ? TakeCompressed(path, take) : TakeMembers(path, nullptr, named, take);
  }
  // A prefix that is an archive file means the whole path cannot be a file.
  archive::MemberPath split;
  if (archive::SplitMemberPath(path, &split)) {
    return TakeMembers(split.archive, &split.member, true, take);
  }
#else
  (void)named;
#endif
  return Take(take, ImageSource::Kind::File, path);
}

bool Listed(const std::string& name) {
#ifdef QL_WITH_ARCHIVES
  if (archive::IsArchiveName(name) || archive::IsCompressedImageName(name)) return true;
#endif
  return archive::IsImageName(name);
}

// Every image beneath the folder, its entries in byte order of their names, folders entered
// where they come in that order. walked holds the folders entered so far, by their real path.
bool Walk(const std::string& folder, std::set<fs::path>& walked,
          const std::function<bool(ImageSource&)>& take) {
  std::error_code error;
  std::vector<std::string> names;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    names.push_back(it->path().filename().string());
  }
  if (error) return Take(take, ImageSource::Kind::Failed, folder, error.message());
  std::sort(names.begin(), names.end());
  const std::string prefix = folder.ends_with('/') ? folder : folder + "/";
  for (const std::string& name : names) {
    const std::string path = prefix + name;
    const fs::file_status status = fs::status(path, error);
    if (fs::is_directory(status)) {
      fs::path real = fs::canonical(path, error);
      if (error || !walked.insert(std::move(real)).second) continue;
      if (!Walk(path, walked, take)) return false;
    } else if (fs::is_regular_file(status) && Listed(name)) {
      if (!TakeFile(path, false, take)) return false;
    }
  }
  return true;
}

}  // namespace

bool ForEachImageSource(const std::string& path, bool recursive,
                        const std::function<bool(ImageSource&)>& take) {
  std::error_code error;
  if (recursive && fs::is_directory(path, error)) {
    std::set<fs::path> walked;
    walked.insert(fs::canonical(path, error));
    return Walk(path, walked, take);
  }
  return TakeFile(path, true, take);
}

}  // namespace quillane::cli
