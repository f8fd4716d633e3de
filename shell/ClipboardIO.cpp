#include "ClipboardIO.h"
#include <algorithm>
#include <cstring>
#include <new>
#include "Cmsaver.h"
#include "WinHandles.h"

void SetClipboardBytes(UINT format, const void* data, size_t size) {
  TGlobal memory(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (!memory.Get()) throw std::bad_alloc();
  {
    TGlobalLock lock(memory.Get());
    if (!lock.Get()) throw std::bad_alloc();
    if (size) std::memcpy(lock.Get(), data, size);
  }
  if (!SetClipboardData(format, memory.Get())) throw EAppError("クリップボードにデータを設定できません");
  memory.Detach();  // the clipboard owns it now
}

void SetClipboardText(const std::string& bytes) { SetClipboardBytes(CF_TEXT, bytes.c_str(), bytes.size() + 1); }

std::vector<uint8_t> ClipboardBlock(UINT format) {
  TGlobalLock lock(GetClipboardData(format));
  if (!lock.Get()) return {};  // emptied by another program in between
  const auto* bytes = static_cast<const uint8_t*>(lock.Get());
  return std::vector<uint8_t>(bytes, bytes + lock.Size());
}

std::string ClipboardText(UINT format) {
  std::vector<uint8_t> block = ClipboardBlock(format);
  auto end = std::find(block.begin(), block.end(), uint8_t{0});
  return std::string(block.begin(), end);
}

std::u16string ClipboardUnicode(UINT format) {
  std::vector<uint8_t> block = ClipboardBlock(format);
  std::u16string units(block.size() / 2, u'\0');
  if (!units.empty()) std::memcpy(units.data(), block.data(), units.size() * 2);
  return units.substr(0, units.find(u'\0'));
}
