#include "settings/config_file.hpp"

#include <vector>

#include "platform/files.hpp"
#include "settings/whole_number.hpp"

namespace calcorix {
namespace {

std::size_t IndexOf(char letter) {
  return static_cast<unsigned char>(UpperAscii(letter));
}

}  // namespace

ConfigFile::ConfigFile(const std::string& path, std::size_t blockSize) : path_(path) {
  const FileDescriptor file = OpenRegularFile(path);
  if (!file.IsOpen()) return;
  open_ = true;
  LineReader reader(file.Get(), blockSize);
  std::vector<Key*> joining;  // keys whose quoted value takes further lines
  std::string line;
  do {
    reader.ReadLine(line);
    ++lineCount_;
    // A line joins every quoted value still open, whatever else it is.
    for (Key* key : joining)
      key->text.Append(line);
    std::erase_if(joining, [](const Key* key) { return !key->text.WantsMore(); });
    if (line.size() < 2 || (line[0] != '-' && line[0] != '/')) continue;
    std::unique_ptr<Key>& slot = keys_[IndexOf(line[1])];
    if (slot) continue;  // the first key line of a letter wins
    const std::string_view value = std::string_view(line).substr(2);
    slot = std::make_unique<Key>(Key{lineCount_, std::string(value), QuotedValue(value)});
    if (slot->text.WantsMore()) joining.push_back(slot.get());
  } while (!reader.AtEnd());
}

const ConfigFile::Key* ConfigFile::KeyOf(char letter) const {
  return keys_[IndexOf(letter)].get();
}

std::size_t ConfigFile::FindConfigKey(char letter) const {
  const Key* key = KeyOf(letter);
  return key != nullptr ? key->line : 0;
}

std::int32_t ConfigFile::ConfigInteger(char letter) const {
  const Key* key = KeyOf(letter);
  return key != nullptr ? WholeNumberValue(key->value) : 0;
}

std::string ConfigFile::ConfigText(char letter) const {
  const Key* key = KeyOf(letter);
  return key != nullptr ? key->text.Text() : std::string();
}

}  // namespace calcorix
