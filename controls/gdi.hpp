// Owned handles, GDI objects and device contexts: each released exactly once, when its owner goes.
#pragma once

#include <windows.h>

#include <utility>

// A handle the program made or was given (font, brush, pen, icon, process, thread), released once
// by `release` when its owner goes. Stock objects and shared icons are never put in one.
template <class Handle, auto release>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Owned& operator=(Owned&& other) noexcept
    {
        std::swap(handle_, other.handle_);
        return *this;
    }
    ~Owned()
    {
        if (handle_)
            release(handle_);
    }
    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    Handle handle_ = nullptr;
};

inline void delete_object(HGDIOBJ object)
{
    DeleteObject(object);
}

inline void destroy_icon(HICON icon)
{
    DestroyIcon(icon);
}

template <class Handle>
using OwnedObject = Owned<Handle, delete_object>;

using OwnedFont = OwnedObject<HFONT>;
using OwnedBrush = OwnedObject<HBRUSH>;
using OwnedPen = OwnedObject<HPEN>;

// BeginPaint on construction, EndPaint on destruction.
class PaintDc {
public:
    explicit PaintDc(HWND hwnd) : hwnd_(hwnd) { hdc_ = BeginPaint(hwnd, &paint_); }
    ~PaintDc() { EndPaint(hwnd_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return hdc_; }
    const RECT& area() const { return paint_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC hdc_;
};

// A window's DC (or the screen's, for a null window), released on destruction. With `frame`, the
// DC covers the whole window, its frame included.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd, bool frame = false) : hwnd_(hwnd), hdc_(frame ? GetWindowDC(hwnd) : GetDC(hwnd)) {}
    ~WindowDc()
    {
        if (hdc_)
            ReleaseDC(hwnd_, hdc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return hdc_; }

private:
    HWND hwnd_;
    HDC hdc_;
};

// Selects an object into a DC and selects the previous one back on destruction.
class SelectGuard {
public:
    SelectGuard(HDC hdc, HGDIOBJ object) : hdc_(hdc), previous_(SelectObject(hdc, object)) {}
    ~SelectGuard() { SelectObject(hdc_, previous_); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC hdc_;
    HGDIOBJ previous_;
};

// A font made from a font setting: its character set, precisions, quality and pitch are replaced
// by the defaults of a Chinese system and every other field is used as set. Empty when the system
// refuses.
OwnedFont make_font(const LOGFONTA& setting);

// The font to draw with: the made one, or the stock default GUI font when there is none.
HFONT font_or_default(const OwnedFont& font);

using OwnedIcon = Owned<HICON, destroy_icon>;
