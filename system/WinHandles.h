#pragma once
// One small owner per Win32 handle kind. None can be copied; each releases
// its handle in its destructor, so no error path leaks a handle or leaves the
// clipboard open.
#include <windows.h>
#include <utility>

class TNonCopyable {
protected:
  TNonCopyable() = default;
  ~TNonCopyable() = default;
public:
  TNonCopyable(const TNonCopyable&) = delete;
  TNonCopyable& operator=(const TNonCopyable&) = delete;
};

// The clipboard, open for one command. Another program may hold it for a
// moment, so opening retries for about 100 ms before giving up.
class TClipboard : TNonCopyable {
public:
  explicit TClipboard(HWND owner) {
    for (int i = 0; i < 20 && !open_; ++i) {
      open_ = OpenClipboard(owner) != FALSE;
      if (!open_) Sleep(5);
    }
  }
  ~TClipboard() { if (open_) CloseClipboard(); }
  bool IsOpen() const { return open_; }
private:
  bool open_ = false;
};

// Movable global memory. Hand it to the clipboard with Detach() only after
// SetClipboardData succeeded; otherwise the destructor frees it.
class TGlobal : TNonCopyable {
public:
  TGlobal(UINT flags, SIZE_T size) : h_(GlobalAlloc(flags, size)) {}
  ~TGlobal() { if (h_) GlobalFree(h_); }
  HGLOBAL Get() const { return h_; }
  HGLOBAL Detach() { return std::exchange(h_, nullptr); }
private:
  HGLOBAL h_;
};

// A lock on global memory (ours or the clipboard's).
class TGlobalLock : TNonCopyable {
public:
  explicit TGlobalLock(HGLOBAL h) : h_(h), p_(h ? GlobalLock(h) : nullptr) {}
  ~TGlobalLock() { if (p_) GlobalUnlock(h_); }
  void* Get() const { return p_; }
  SIZE_T Size() const { return p_ ? GlobalSize(h_) : 0; }
private:
  HGLOBAL h_;
  void* p_;
};

// An open registry key.
class TRegKey : TNonCopyable {
public:
  TRegKey() = default;
  ~TRegKey() { if (h_) RegCloseKey(h_); }
  HKEY* Out() { return &h_; }
  HKEY Get() const { return h_; }
private:
  HKEY h_ = nullptr;
};

// A GDI object (font, bitmap, brush) that we created.
class TGdiObject : TNonCopyable {
public:
  explicit TGdiObject(HGDIOBJ h = nullptr) : h_(h) {}
  ~TGdiObject() { if (h_) DeleteObject(h_); }
  void Reset(HGDIOBJ h) { if (h_) DeleteObject(h_); h_ = h; }
  HGDIOBJ Get() const { return h_; }
private:
  HGDIOBJ h_;
};
