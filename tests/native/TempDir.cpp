#include "tests/native/TempDir.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path candidate = fs::temp_directory_path() / ("omb-test-" + std::to_string(random()));
    if (fs::create_directory(candidate)) {
      root = candidate.string();
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary directory");
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::remove_all(root, ignored);
}

std::string TempDir::File(const std::string& name) const {
  return (fs::path(root) / name).string();
}

void TempDir::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), (std::streamsize)bytes.size());
  if (!out) throw std::runtime_error("cannot write " + File(name));
}

std::string TempDir::Read(const std::string& name) const {
  std::ifstream in(File(name), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + File(name));
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

bool TempDir::Exists(const std::string& name) const {
  return fs::exists(File(name));
}
