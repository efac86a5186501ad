#include "icon_compare.h"
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace vellox::e2e {
namespace {

// A size x size picture, as 32-bit pixels, from draw(dc); empty on failure.
template <class Draw>
std::vector<std::uint32_t> pixels(int size, Draw draw) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HDC dc = CreateCompatibleDC(nullptr);
  const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::vector<std::uint32_t> result;
  if (dc != nullptr && bitmap != nullptr) {
    const HGDIOBJ old = SelectObject(dc, bitmap);
    if (draw(dc)) {
      GdiFlush();
      const auto* first = static_cast<const std::uint32_t*>(bits);
      result.assign(first, first + size * size);
    }
    SelectObject(dc, old);
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  if (dc != nullptr) DeleteDC(dc);
  return result;
}

// Sum of the colour differences; -1 when the pictures cannot be compared.
long long distance(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  if (a.empty() || a.size() != b.size()) return -1;
  long long sum = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    for (int shift = 0; shift < 24; shift += 8) {
      sum += std::abs(static_cast<int>((a[i] >> shift) & 0xff) - static_cast<int>((b[i] >> shift) & 0xff));
    }
  }
  return sum;
}

}  // namespace

const wchar_t* nearestSystemIcon(HWND iconControl) {
  RECT rect{};
  if (iconControl == nullptr || !GetWindowRect(iconControl, &rect)) return nullptr;
  const int size = GetSystemMetrics(SM_CXICON);
  const auto shown = pixels(size, [&](HDC dc) {
    const HDC screen = GetDC(nullptr);
    const bool copied = BitBlt(dc, 0, 0, size, size, screen, rect.left, rect.top, SRCCOPY) != FALSE;
    ReleaseDC(nullptr, screen);
    return copied;
  });
  if (shown.empty()) return nullptr;
  // The icons' corners are transparent: the control's background shows there.
  const COLORREF background = RGB((shown[0] >> 16) & 0xff, (shown[0] >> 8) & 0xff, shown[0] & 0xff);
  const wchar_t* nearest = nullptr;
  long long best = -1;
  for (const wchar_t* candidate : {IDI_INFORMATION, IDI_WARNING, IDI_ERROR, IDI_QUESTION}) {
    const auto drawn = pixels(size, [&](HDC dc) {
      const HBRUSH brush = CreateSolidBrush(background);
      RECT all{0, 0, size, size};
      FillRect(dc, &all, brush);
      DeleteObject(brush);
      return DrawIconEx(dc, 0, 0, LoadIconW(nullptr, candidate), size, size, 0, nullptr, DI_NORMAL) != FALSE;
    });
    const long long d = distance(shown, drawn);
    if (d >= 0 && (best < 0 || d < best)) {
      best = d;
      nearest = candidate;
    }
  }
  return nearest;
}

}  // namespace vellox::e2e
