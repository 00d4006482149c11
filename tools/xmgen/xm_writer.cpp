#include <algorithm>
#include <stdexcept>

#include "xm_module.h"

namespace nk::xm {
namespace {

class Bytes {
 public:
  void u8(uint32_t v) { out_.push_back(static_cast<char>(v & 0xFF)); }
  void u16(uint32_t v) {
    u8(v);
    u8(v >> 8);
  }
  void u32(uint32_t v) {
    u16(v);
    u16(v >> 16);
  }
  // Fixed-width text, cut or padded with `pad`.
  void text(const std::string& s, size_t width, char pad = '\0') {
    for (size_t i = 0; i < width; ++i) out_.push_back(i < s.size() ? s[i] : pad);
  }
  void zeros(size_t n) { out_.append(n, '\0'); }
  std::string take() { return std::move(out_); }

 private:
  std::string out_;
};

void writeHeader(Bytes& b, const Module& m) {
  b.text("Extended Module: ", 17);
  b.text(m.name, 20, ' ');
  b.u8(0x1A);
  b.text("Nokturo xmgen", 20, ' ');
  b.u16(0x0104);
  b.u32(276);  // header size from this field on, with the 256-entry order table
  b.u16(static_cast<uint32_t>(m.order.size()));
  b.u16(m.restart);
  b.u16(static_cast<uint32_t>(m.channels));
  b.u16(static_cast<uint32_t>(m.patterns.size()));
  b.u16(static_cast<uint32_t>(m.instruments.size()));
  b.u16(1);  // linear frequency table
  b.u16(m.speed);
  b.u16(m.bpm);
  for (size_t i = 0; i < 256; ++i) b.u8(i < m.order.size() ? m.order[i] : 0);
}

// Packed cells: a mask byte (top bit set) says which of the five fields follow.
std::string packPattern(const Pattern& p) {
  Bytes b;
  for (const Cell& c : p.cells) {
    const uint8_t fields[5] = {c.note, c.instrument, c.volume, c.effect, c.param};
    uint32_t mask = 0x80;
    for (int i = 0; i < 5; ++i) {
      if (fields[i] != 0) mask |= 1u << i;
    }
    b.u8(mask);
    for (int i = 0; i < 5; ++i) {
      if (fields[i] != 0) b.u8(fields[i]);
    }
  }
  return b.take();
}

void writePattern(Bytes& b, const Pattern& p, int channels) {
  if (p.rows < 1 || p.rows > 256 || p.cells.size() != static_cast<size_t>(p.rows * channels)) {
    throw std::invalid_argument("pattern size does not match its rows and channels");
  }
  const std::string packed = packPattern(p);
  b.u32(9);
  b.u8(0);
  b.u16(static_cast<uint32_t>(p.rows));
  b.u16(static_cast<uint32_t>(packed.size()));
  b.text(packed, packed.size());
}

void writeEnvelopePoints(Bytes& b, const Envelope& e) {
  for (size_t i = 0; i < 12; ++i) {
    b.u16(i < e.points.size() ? e.points[i].first : 0);
    b.u16(i < e.points.size() ? e.points[i].second : 0);
  }
}

void writeInstrument(Bytes& b, const Instrument& in) {
  const Sample& s = in.sample;
  if (in.volume.points.size() > 12) throw std::invalid_argument("an envelope has at most 12 points");
  b.u32(263);
  b.text(in.name, 22);
  b.u8(0);
  b.u16(1);     // one sample
  b.u32(40);    // sample header size
  b.zeros(96);  // every note plays sample 0
  writeEnvelopePoints(b, in.volume);
  writeEnvelopePoints(b, Envelope{});  // no panning envelope
  b.u8(static_cast<uint32_t>(in.volume.points.size()));
  b.u8(0);
  b.u8(static_cast<uint32_t>(std::max(in.volume.sustain, 0)));
  b.zeros(2);  // volume loop
  b.zeros(3);  // panning sustain and loop
  uint32_t type = in.volume.points.empty() ? 0 : 1;
  if (type != 0 && in.volume.sustain >= 0) type |= 2;
  b.u8(type);
  b.u8(0);
  b.u8(0);  // sine vibrato
  b.u8(in.vibratoSweep);
  b.u8(in.vibratoDepth);
  b.u8(in.vibratoRate);
  b.u16(in.fadeout);
  b.zeros(22);
  // The sample header, then its 16-bit data as deltas.
  const bool loops = s.loopLength > 0;
  b.u32(static_cast<uint32_t>(s.data.size() * 2));
  b.u32(loops ? s.loopStart * 2 : 0);
  b.u32(loops ? s.loopLength * 2 : 0);
  b.u8(s.volume);
  b.u8(static_cast<uint8_t>(s.finetune));
  b.u8((loops ? 1 : 0) | 0x10);
  b.u8(s.panning);
  b.u8(static_cast<uint8_t>(s.relativeNote));
  b.u8(0);
  b.text(s.name, 22);
  int16_t previous = 0;
  for (int16_t v : s.data) {
    b.u16(static_cast<uint16_t>(static_cast<uint16_t>(v) - static_cast<uint16_t>(previous)));
    previous = v;
  }
}

}  // namespace

std::string WriteXm(const Module& m) {
  if (m.channels < 1 || m.channels > 32 || m.order.empty() || m.order.size() > 256) {
    throw std::invalid_argument("a module needs 1 to 32 channels and 1 to 256 orders");
  }
  Bytes b;
  writeHeader(b, m);
  for (const Pattern& p : m.patterns) writePattern(b, p, m.channels);
  for (const Instrument& in : m.instruments) writeInstrument(b, in);
  return b.take();
}

}  // namespace nk::xm
