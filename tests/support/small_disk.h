#pragma once

#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace ws::test {

// A folder on a disk of its own that holds only `bytes`: a full disk that fills no real one.
// Mounting needs root; elsewhere available() is false and the test skips. The disk and its
// folder are gone when the object is.
class SmallDisk {
 public:
  explicit SmallDisk(std::size_t bytes) {
    char pattern[] = "/tmp/ws-small-disk-XXXXXX";
    if (geteuid() != 0 || !mkdtemp(pattern)) return;
    path_ = pattern;
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0777";
    mounted_ = ::mount("tmpfs", pattern, "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0;
  }
  ~SmallDisk() {
    if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
    if (!path_.empty()) ::rmdir(path_.c_str());
  }
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  bool available() const { return mounted_; }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  bool mounted_ = false;
};

}  // namespace ws::test
