#include "IconReader.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "TimeFactor.h"
#include "platform/win32/Handles.h"

namespace winetest {

namespace {

using platform::win32::GdiObject;
using platform::win32::MemoryDc;
using platform::win32::WindowDc;

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> data;  // 0x00RRGGBB, top row first
};

// A 32-bit top-down DIB section selected into a memory DC.
class Canvas {
  public:
    Canvas(HDC reference, int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_.Reset(CreateCompatibleDC(reference));
        bitmap_.Reset(CreateDIBSection(reference, &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
        if (dc_.Valid() && bitmap_.Valid()) {
            previous_ = SelectObject(dc_.Get(), bitmap_.Get());
        }
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas() {
        if (previous_ != nullptr) {
            SelectObject(dc_.Get(), previous_);
        }
    }

    bool Valid() const { return bits_ != nullptr && previous_ != nullptr; }
    HDC Dc() const { return dc_.Get(); }

    Pixels Read() const {
        GdiFlush();
        Pixels pixels{width_, height_, {}};
        const auto* source = static_cast<const std::uint32_t*>(bits_);
        pixels.data.reserve(static_cast<std::size_t>(width_) * height_);
        for (int i = 0; i < width_ * height_; ++i) {
            pixels.data.push_back(source[i] & 0x00FFFFFF);
        }
        return pixels;
    }

  private:
    int width_;
    int height_;
    MemoryDc dc_;
    GdiObject bitmap_;
    void* bits_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// The screen's pixels of a rectangle in screen coordinates.
bool CaptureScreen(const RECT& rect, Pixels& pixels) {
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0 || width > 256 || height > 256) {
        return false;
    }
    const WindowDc screen(nullptr);
    if (!screen.Valid()) {
        return false;
    }
    Canvas canvas(screen.Dc(), width, height);
    if (!canvas.Valid() ||
        !BitBlt(canvas.Dc(), 0, 0, width, height, screen.Dc(), rect.left, rect.top, SRCCOPY)) {
        return false;
    }
    pixels = canvas.Read();
    return true;
}

// A standard icon drawn at the given size on a plain background.
bool DrawStandardIcon(LPCWSTR id, int width, int height, std::uint32_t background, Pixels& pixels) {
    HICON icon = LoadIconW(nullptr, id);
    const WindowDc screen(nullptr);
    if (icon == nullptr || !screen.Valid()) {
        return false;
    }
    Canvas canvas(screen.Dc(), width, height);
    if (!canvas.Valid()) {
        return false;
    }
    COLORREF color = RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF);
    GdiObject brush(CreateSolidBrush(color));
    RECT all{0, 0, width, height};
    FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(brush.Get()));
    if (!DrawIconEx(canvas.Dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL)) {
        return false;
    }
    pixels = canvas.Read();
    return true;
}

int ChannelDistance(std::uint32_t a, std::uint32_t b) {
    int distance = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        distance = std::max(distance, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                               static_cast<int>((b >> shift) & 0xFF)));
    }
    return distance;
}

// The share of pixels, in thousandths, that differ noticeably.
int Difference(const Pixels& a, const Pixels& b) {
    if (a.data.size() != b.data.size() || a.data.empty()) {
        return 1000;
    }
    std::size_t differing = 0;
    for (std::size_t i = 0; i < a.data.size(); ++i) {
        if (ChannelDistance(a.data[i], b.data[i]) > 24) {
            ++differing;
        }
    }
    return static_cast<int>(differing * 1000 / a.data.size());
}

bool Uniform(const Pixels& pixels) {
    for (std::uint32_t pixel : pixels.data) {
        if (ChannelDistance(pixel, pixels.data.front()) > 24) {
            return false;
        }
    }
    return true;
}

struct StandardIcon {
    LPCWSTR id;
    BoxIcon icon;
};
const StandardIcon kStandardIcons[] = {{IDI_INFORMATION, BoxIcon::Information},
                                       {IDI_QUESTION, BoxIcon::Question},
                                       {IDI_WARNING, BoxIcon::Exclamation},
                                       {IDI_ERROR, BoxIcon::Error}};

// The standard icon whose pixels the control shows on the screen; Unknown when none matches.
BoxIcon MatchPixels(HWND box, HWND iconControl) {
    RECT rect{};
    if (!GetWindowRect(iconControl, &rect)) {
        return BoxIcon::Unknown;
    }
    // The background: the box's own pixel just left of the icon.
    Pixels outside;
    RECT beside{rect.left - 2, rect.top, rect.left - 1, rect.top + 1};
    RECT boxRect{};
    GetWindowRect(box, &boxRect);
    if (beside.left < boxRect.left) {
        beside = RECT{rect.left, rect.top, rect.left + 1, rect.top + 1};
    }
    Pixels shown;
    if (!CaptureScreen(beside, outside) || !CaptureScreen(rect, shown)) {
        return BoxIcon::Unknown;
    }
    if (Uniform(shown)) {
        return BoxIcon::Unknown;  // drawn, but not on the screen yet
    }
    BoxIcon best = BoxIcon::Unknown;
    int bestDifference = 1000;
    for (const StandardIcon& candidate : kStandardIcons) {
        Pixels reference;
        if (!DrawStandardIcon(candidate.id, shown.width, shown.height, outside.data.front(),
                              reference)) {
            continue;
        }
        int difference = Difference(shown, reference);
        if (difference < bestDifference) {
            bestDifference = difference;
            best = candidate.icon;
        }
    }
    // A painted icon matches its standard icon almost exactly and the others clearly not.
    return bestDifference <= 20 ? best : BoxIcon::Unknown;
}

// The icon a control holds (STM_GETICON); nothing while the control does not answer.
std::optional<HICON> IconOf(HWND iconControl) {
    DWORD_PTR icon = 0;
    if (!SendMessageTimeoutW(iconControl, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, Scaled(2000),
                             &icon)) {
        return std::nullopt;
    }
    return reinterpret_cast<HICON>(icon);
}

// Where the standard icons' handles are the system's, shared by every process (Windows), the
// handle tells the icon; under Wine each process has handles of its own and this finds nothing.
BoxIcon MatchHandle(HICON icon) {
    for (const StandardIcon& candidate : kStandardIcons) {
        if (LoadIconW(nullptr, candidate.id) == icon) {
            return candidate.icon;
        }
    }
    return BoxIcon::Unknown;
}

// True when nothing of the window waits to be painted: its last WM_PAINT has been handled.
bool Painted(HWND window) {
    return !GetUpdateRect(window, nullptr, FALSE);
}

}  // namespace

BoxIcon ReadBoxIcon(HWND box, HWND iconControl, DWORD timeoutMs) {
    if (iconControl == nullptr || !IsWindowVisible(iconControl)) {
        return BoxIcon::None;
    }
    DWORD start = GetTickCount();
    do {
        std::optional<HICON> icon = IconOf(iconControl);
        if (icon) {
            // The box is shown once its WM_INITDIALOG has set the icon: none now means none.
            if (*icon == nullptr) {
                return BoxIcon::None;
            }
            BoxIcon found = MatchHandle(*icon);
            // The pixels only once the box and its icon have painted; before, the screen shows
            // whatever was there.
            if (found == BoxIcon::Unknown && Painted(box) && Painted(iconControl)) {
                found = MatchPixels(box, iconControl);
            }
            if (found != BoxIcon::Unknown) {
                return found;
            }
        }
        Sleep(30);
    } while (GetTickCount() - start < timeoutMs);
    return BoxIcon::Unknown;
}

}  // namespace winetest
