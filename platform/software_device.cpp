#include "platform/software_device.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace nk {
namespace {

constexpr uint32_t channel(uint32_t argb, int shift) { return (argb >> shift) & 0xFF; }

uint32_t factorValue(BlendFactor f, uint32_t srcChannel, uint32_t srcAlpha, uint32_t destChannel) {
  switch (f) {
    case BlendFactor::Zero: return 0;
    case BlendFactor::One: return 255;
    case BlendFactor::SrcColor: return srcChannel;
    case BlendFactor::InvSrcColor: return 255 - srcChannel;
    case BlendFactor::SrcAlpha: return srcAlpha;
    case BlendFactor::InvSrcAlpha: return 255 - srcAlpha;
    case BlendFactor::DestColor: return destChannel;
    case BlendFactor::InvDestColor: return 255 - destChannel;
  }
  return 0;
}

// One edge a -> b of a triangle whose inside is where the edge function is positive.
struct Edge {
  double ax, ay, dx, dy;
  bool topLeft;  // pixels exactly on a top or left edge belong to the triangle
  double at(double x, double y) const { return dx * (y - ay) - dy * (x - ax); }
};

Edge makeEdge(const DeviceVertex& a, const DeviceVertex& b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  return Edge{a.x, a.y, dx, dy, dy < 0 || (dy == 0 && dx > 0)};
}

// Narrows [lo, hi] to the pixel columns of row y inside edge e.
void clipSpan(const Edge& e, double y, int& lo, int& hi) {
  // e.at(x, y) = -dy * x + (dx * (y - ay) + dy * ax): linear in x.
  const double slope = -e.dy;
  const double base = e.dx * (y - e.ay) + e.dy * e.ax;
  if (slope == 0) {
    if (!(base > 0 || (base == 0 && e.topLeft))) hi = lo - 1;
    return;
  }
  const double bound = -base / slope;
  if (slope > 0) {  // inside to the right of bound
    double first = std::ceil(bound);
    if (first == bound && !e.topLeft) first += 1;
    lo = std::max(lo, static_cast<int>(std::max(first, -1.0e6)));
  } else {  // inside to the left of bound
    double last = std::floor(bound);
    if (last == bound && !e.topLeft) last -= 1;
    hi = std::min(hi, static_cast<int>(std::min(last, 1.0e6)));
  }
}

}  // namespace

SoftwareDevice::SoftwareDevice(int width, int height)
    : width_(width),
      height_(height),
      back_(static_cast<size_t>(width) * height, 0xFF000000),
      presented_(back_) {}

void SoftwareDevice::clear(uint32_t argb) { std::fill(back_.begin(), back_.end(), argb | 0xFF000000); }

void SoftwareDevice::present() {
  // The back buffer's contents are undefined after a present, as with a discarding swap chain.
  std::swap(back_, presented_);
  ++presentedFrames_;
}

void SoftwareDevice::setBlend(BlendFactor src, BlendFactor dst) {
  src_ = src;
  dst_ = dst;
}

void SoftwareDevice::bindTexture(TextureId id) {
  auto it = textures_.find(id);
  bound_ = it == textures_.end() ? nullptr : &it->second;
}

TextureId SoftwareDevice::createTexture(int width, int height) {
  const TextureId id = nextTexture_++;
  textures_[id] = Texture{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, 0)};
  return id;
}

void SoftwareDevice::updateTexture(TextureId id, const uint32_t* argb) {
  auto it = textures_.find(id);
  if (it != textures_.end()) std::copy_n(argb, it->second.pixels.size(), it->second.pixels.begin());
}

void SoftwareDevice::destroyTexture(TextureId id) {
  auto it = textures_.find(id);
  if (it == textures_.end()) return;
  if (bound_ == &it->second) bound_ = nullptr;
  textures_.erase(it);
}

void SoftwareDevice::drawFan(const QuadVertices& q) {
  if (drawUprightQuad(q)) return;
  drawTriangle(q[0], q[1], q[2]);
  drawTriangle(q[0], q[2], q[3]);
}

uint32_t SoftwareDevice::shade(uint32_t texel, uint32_t diffuse, uint32_t dest) const {
  // Texture x diffuse per channel, then the blend equation; the target keeps no alpha.
  const auto modulate = [&](int k) { return (channel(texel, 8 * k) * channel(diffuse, 8 * k) + 127) / 255; };
  uint32_t src[4];
  src[3] = modulate(3);
  if (src_ == BlendFactor::SrcAlpha && dst_ == BlendFactor::InvSrcAlpha) {  // the common case, kept quick
    const uint32_t a = src[3];
    if (a == 0) return dest;
    for (int k = 0; k < 3; ++k) src[k] = modulate(k);
    uint32_t out = 0xFF000000;
    for (int k = 0; k < 3; ++k) {
      out |= ((src[k] * a + channel(dest, 8 * k) * (255 - a) + 127) / 255) << (8 * k);
    }
    return out;
  }
  for (int k = 0; k < 3; ++k) src[k] = modulate(k);
  uint32_t out = 0xFF000000;
  for (int k = 0; k < 3; ++k) {
    const uint32_t d = channel(dest, 8 * k);
    const uint32_t v =
        (src[k] * factorValue(src_, src[k], src[3], d) + d * factorValue(dst_, src[k], src[3], d) + 127) /
        255;
    out |= std::min<uint32_t>(v, 255) << (8 * k);
  }
  return out;
}

namespace {

// An attribute that varies linearly over a triangle: value = base + dx * x + dy * y.
struct Plane {
  double base = 0, dx = 0, dy = 0;
  double at(double x, double y) const { return base + dx * x + dy * y; }
};

Plane planeOf(const DeviceVertex& a, const DeviceVertex& b, const DeviceVertex& c, double fa, double fb,
              double fc) {
  const double det = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
  Plane p;
  p.dx = ((fb - fa) * (c.y - a.y) - (fc - fa) * (b.y - a.y)) / det;
  p.dy = ((fc - fa) * (b.x - a.x) - (fb - fa) * (c.x - a.x)) / det;
  p.base = fa - p.dx * a.x - p.dy * a.y;
  return p;
}

size_t wrapTexel(double t, int size) {
  const double f = t * size;
  if (f >= 0 && f < size) return static_cast<size_t>(f);
  if (!std::isfinite(t)) return 0;
  const long i = static_cast<long>(std::floor(std::clamp(t, -1.0e6, 1.0e6) * size));
  if (i >= 0 && i < size) return static_cast<size_t>(i);
  const long m = i % size;
  return static_cast<size_t>(m < 0 ? m + size : m);
}

}  // namespace

// Same coverage and texels as the two triangles, worked out once per row and column instead of
// per pixel.
bool SoftwareDevice::drawUprightQuad(const QuadVertices& q) {
  const bool upright = q[0].y == q[1].y && q[2].y == q[3].y && q[0].x == q[3].x && q[1].x == q[2].x;
  const bool plainMapping = q[0].u == q[3].u && q[1].u == q[2].u && q[0].v == q[1].v && q[2].v == q[3].v;
  const bool oneColour = q[0].color == q[1].color && q[0].color == q[2].color && q[0].color == q[3].color;
  if (!upright || !plainMapping || !oneColour) return false;
  const double left = std::min(q[0].x, q[1].x), right = std::max(q[0].x, q[1].x);
  const double top = std::min(q[0].y, q[3].y), bottom = std::max(q[0].y, q[3].y);
  if (!(left < right && top < bottom) || !std::isfinite(right - left) || !std::isfinite(bottom - top))
    return true;
  // Left and top edges take the pixels on them, right and bottom edges do not.
  const int x0 = std::max(0, static_cast<int>(std::ceil(std::max(left, -1.0e6))));
  const int x1 = std::min(width_ - 1, static_cast<int>(std::ceil(std::min(right, 1.0e6))) - 1);
  const int y0 = std::max(0, static_cast<int>(std::ceil(std::max(top, -1.0e6))));
  const int y1 = std::min(height_ - 1, static_cast<int>(std::ceil(std::min(bottom, 1.0e6))) - 1);
  if (x0 > x1 || y0 > y1) return true;
  const bool textured = bound_ != nullptr && bound_->width > 0 && bound_->height > 0;
  columns_.assign(static_cast<size_t>(x1 - x0 + 1), 0);
  if (textured) {
    const double du = (static_cast<double>(q[1].u) - q[0].u) / (static_cast<double>(q[1].x) - q[0].x);
    for (int x = x0; x <= x1; ++x) {
      columns_[static_cast<size_t>(x - x0)] = wrapTexel(q[0].u + du * (x - q[0].x), bound_->width);
    }
  }
  const double dv = (static_cast<double>(q[3].v) - q[0].v) / (static_cast<double>(q[3].y) - q[0].y);
  // With one colour the texture x colour products are a table, and plain alpha blending, the
  // common case, needs no other factor.
  const bool plainAlpha = src_ == BlendFactor::SrcAlpha && dst_ == BlendFactor::InvSrcAlpha;
  std::array<std::array<uint8_t, 256>, 4> times{};
  if (plainAlpha) {
    for (int k = 0; k < 4; ++k) {
      for (uint32_t t = 0; t < 256; ++t)
        times[k][t] = static_cast<uint8_t>((t * channel(q[0].color, 8 * k) + 127) / 255);
    }
  }
  for (int y = y0; y <= y1; ++y) {
    uint32_t* row = back_.data() + static_cast<size_t>(y) * width_;
    const uint32_t* texels =
        textured
            ? bound_->pixels.data() + wrapTexel(q[0].v + dv * (y - q[0].y), bound_->height) * bound_->width
            : nullptr;
    for (int x = x0; x <= x1; ++x) {
      const uint32_t texel = texels != nullptr ? texels[columns_[static_cast<size_t>(x - x0)]] : 0xFFFFFFFF;
      if (!plainAlpha) {
        row[x] = shade(texel, q[0].color, row[x]);
        continue;
      }
      const uint32_t a = times[3][texel >> 24];
      if (a == 0) continue;
      const uint32_t dest = row[x];
      uint32_t out = 0xFF000000;
      for (int k = 0; k < 3; ++k) {
        const uint32_t s = times[static_cast<size_t>(k)][channel(texel, 8 * k)];
        out |= ((s * a + channel(dest, 8 * k) * (255 - a) + 127) / 255) << (8 * k);
      }
      row[x] = out;
    }
  }
  return true;
}

void SoftwareDevice::drawTriangle(const DeviceVertex& a, const DeviceVertex& b0, const DeviceVertex& c0) {
  const Edge probe = makeEdge(a, b0);
  const double area = probe.at(c0.x, c0.y);
  if (area == 0 || !std::isfinite(area)) return;
  // Culling is off: both windings draw, so turn every triangle the same way.
  const DeviceVertex& b = area > 0 ? b0 : c0;
  const DeviceVertex& c = area > 0 ? c0 : b0;
  const Edge ab = makeEdge(a, b), bc = makeEdge(b, c), ca = makeEdge(c, a);

  const double minY = std::min({a.y, b.y, c.y}), maxY = std::max({a.y, b.y, c.y});
  const int y0 = std::max(0, static_cast<int>(std::ceil(std::max(minY, -1.0e6))));
  const int y1 = std::min(height_ - 1, static_cast<int>(std::floor(std::min(maxY, 1.0e6))));

  const bool textured = bound_ != nullptr && bound_->width > 0 && bound_->height > 0;
  const Plane u = planeOf(a, b, c, a.u, b.u, c.u), v = planeOf(a, b, c, a.v, b.v, c.v);
  const bool flat = a.color == b.color && a.color == c.color;
  Plane colour[4];
  for (int k = 0; k < 4; ++k) {
    colour[k] = planeOf(a, b, c, channel(a.color, 8 * k), channel(b.color, 8 * k), channel(c.color, 8 * k));
  }
  for (int y = y0; y <= y1; ++y) {
    int lo = 0, hi = width_ - 1;
    clipSpan(ab, y, lo, hi);
    clipSpan(bc, y, lo, hi);
    clipSpan(ca, y, lo, hi);
    if (lo > hi) continue;
    uint32_t* row = back_.data() + static_cast<size_t>(y) * width_;
    double tu = u.at(lo, y), tv = v.at(lo, y);
    double ch[4];
    for (int k = 0; k < 4; ++k) ch[k] = colour[k].at(lo, y);
    const uint32_t* texels = textured ? bound_->pixels.data() : nullptr;
    for (int x = lo; x <= hi; ++x) {
      uint32_t diffuse = a.color;
      if (!flat) {
        diffuse = 0;
        for (int k = 0; k < 4; ++k) {
          diffuse |= static_cast<uint32_t>(std::clamp(std::lround(ch[k]), 0L, 255L)) << (8 * k);
        }
      }
      uint32_t texel = 0xFFFFFFFF;
      if (texels != nullptr) {
        texel = texels[wrapTexel(tv, bound_->height) * static_cast<size_t>(bound_->width) +
                       wrapTexel(tu, bound_->width)];
      }
      row[x] = shade(texel, diffuse, row[x]);
      tu += u.dx, tv += v.dx;
      for (int k = 0; k < 4; ++k) ch[k] += colour[k].dx;
    }
  }
}

}  // namespace nk
