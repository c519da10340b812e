// Paints the game's two background pictures:
//   fond.jpg          "Classique": warm parchment, softly mottled, with faint
//                     fibres and a gentle vignette;
//   LightClouds.jpeg  "Nuage": a pale blue sky with soft white clouds.
// Both are made of value noise summed over octaves, with fixed seeds, so every
// build paints exactly the same pictures. A touch of random dithering before
// the colours are rounded to 8 bits keeps the gradients free of bands.
//
// Usage: orvalis-make-backgrounds <images folder>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QImageWriter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

constexpr int Width = 2560;
constexpr int Height = 1440;

// ---- Noise -------------------------------------------------------------------

inline std::uint32_t Hash(std::int32_t X, std::int32_t Y, std::uint32_t Seed) {
  std::uint32_t H = Seed * 0x9E3779B9u;
  H ^= static_cast<std::uint32_t>(X) * 0x85EBCA6Bu;
  H = (H << 13) | (H >> 19);
  H ^= static_cast<std::uint32_t>(Y) * 0xC2B2AE35u;
  H ^= H >> 16;
  H *= 0x7FEB352Du;
  H ^= H >> 15;
  H *= 0x846CA68Bu;
  H ^= H >> 16;
  return H;
}

// A number in [0, 1) for each lattice point.
inline float Lattice(std::int32_t X, std::int32_t Y, std::uint32_t Seed) {
  return static_cast<float>(Hash(X, Y, Seed) >> 8) * (1.0f / 16777216.0f);
}

inline float Fade(float T) { return T * T * T * (T * (T * 6.0f - 15.0f) + 10.0f); }

inline float Mix(float A, float B, float T) { return A + (B - A) * T; }

// Smoothly interpolated lattice values, in [0, 1).
float ValueNoise(float X, float Y, std::uint32_t Seed) {
  const float FX = std::floor(X);
  const float FY = std::floor(Y);
  const auto IX = static_cast<std::int32_t>(FX);
  const auto IY = static_cast<std::int32_t>(FY);
  const float TX = Fade(X - FX);
  const float TY = Fade(Y - FY);
  const float A = Lattice(IX, IY, Seed);
  const float B = Lattice(IX + 1, IY, Seed);
  const float C = Lattice(IX, IY + 1, Seed);
  const float D = Lattice(IX + 1, IY + 1, Seed);
  return Mix(Mix(A, B, TX), Mix(C, D, TX), TY);
}

// Octaves of value noise, each turned by an odd angle so that no lattice
// direction shows; the result is in [0, 1).
float Fbm(float X, float Y, int Octaves, std::uint32_t Seed, float Gain = 0.5f) {
  constexpr float Cos = 0.8f;   // about 37 degrees
  constexpr float Sin = 0.6f;
  float Sum = 0.0f;
  float Amplitude = 1.0f;
  float Norm = 0.0f;
  for (int i = 0; i < Octaves; ++i) {
    Sum += Amplitude * ValueNoise(X, Y, Seed + static_cast<std::uint32_t>(i) * 101u);
    Norm += Amplitude;
    Amplitude *= Gain;
    const float NX = (X * Cos - Y * Sin) * 2.03f + 17.31f;
    const float NY = (X * Sin + Y * Cos) * 2.03f - 9.17f;
    X = NX;
    Y = NY;
  }
  return Sum / Norm;
}

inline float Clamp01(float V) { return std::clamp(V, 0.0f, 1.0f); }

inline float SmoothStep(float E0, float E1, float X) {
  const float T = Clamp01((X - E0) / (E1 - E0));
  return T * T * (3.0f - 2.0f * T);
}

struct Rgb {
  float R, G, B;  // 0 to 255
};

inline Rgb Lerp(const Rgb& A, const Rgb& B, float T) {
  return {Mix(A.R, B.R, T), Mix(A.G, B.G, T), Mix(A.B, B.B, T)};
}

// Rounds to 8 bits with a triangular dither of about one step.
inline int Dithered(float V, int X, int Y, std::uint32_t Seed) {
  const float D1 = Lattice(X, Y, Seed);
  const float D2 = Lattice(X, Y, Seed + 7777u);
  return std::clamp(static_cast<int>(std::floor(V + D1 + D2 - 0.5f)), 0, 255);
}

inline QRgb ToPixel(const Rgb& C, int X, int Y, std::uint32_t Seed) {
  return qRgb(Dithered(C.R, X, Y, Seed), Dithered(C.G, X, Y, Seed + 1u), Dithered(C.B, X, Y, Seed + 2u));
}

// ---- "Classique": parchment ---------------------------------------------------

QImage PaintParchment() {
  QImage Image(Width, Height, QImage::Format_RGB32);
  const Rgb Light{236.0f, 219.0f, 182.0f};   // the paper where it is clean
  const Rgb Warm{219.0f, 192.0f, 146.0f};    // its mottled, older parts
  const Rgb Edge{160.0f, 118.0f, 74.0f};     // the browned border
  const float CX = Width * 0.5f;
  const float CY = Height * 0.47f;
  const float Unit = static_cast<float>(Height);  // noise scales follow the height
  for (int Y = 0; Y < Height; ++Y) {
    auto* Line = reinterpret_cast<QRgb*>(Image.scanLine(Y));
    const float V = static_cast<float>(Y) / Unit;
    for (int X = 0; X < Width; ++X) {
      const float U = static_cast<float>(X) / Unit;
      // Broad clouds of age on the paper, and within them smaller stains.
      const float Broad = Fbm(U * 2.2f, V * 2.2f, 5, 11u);
      const float Stain = Fbm(U * 7.0f + 3.1f, V * 7.0f, 3, 23u);
      float Age = SmoothStep(0.30f, 0.72f, Broad) * 0.75f + SmoothStep(0.45f, 0.80f, Stain) * 0.25f;
      // Long faint fibres running across the sheet.
      const float Fibre = Fbm(U * 3.0f, V * 95.0f, 3, 37u) - 0.5f;
      // Fine grain.
      const float Grain = ValueNoise(static_cast<float>(X) * 0.55f, static_cast<float>(Y) * 0.55f, 41u) - 0.5f;

      Rgb C = Lerp(Light, Warm, Age);
      // Vignette: an ellipse that browns gently towards the edges.
      const float DX = (static_cast<float>(X) - CX) / (Width * 0.62f);
      const float DY = (static_cast<float>(Y) - CY) / (Height * 0.66f);
      const float R = std::sqrt(DX * DX + DY * DY);
      const float Vignette = SmoothStep(0.42f, 1.22f, R);
      const float Blotch = (Fbm(U * 4.0f, V * 4.0f, 3, 53u) - 0.5f) * 0.25f;
      C = Lerp(C, Edge, Clamp01(Vignette * (0.62f + Blotch)));
      const float Shade = 1.0f + Fibre * 0.045f + Grain * 0.025f;
      C = {C.R * Shade, C.G * Shade, C.B * Shade};
      Line[X] = ToPixel(C, X, Y, 1000u);
    }
  }
  return Image;
}

// ---- "Nuage": sky and clouds --------------------------------------------------

QImage PaintClouds() {
  QImage Image(Width, Height, QImage::Format_RGB32);
  const Rgb Zenith{128.0f, 176.0f, 226.0f};
  const Rgb Horizon{208.0f, 229.0f, 246.0f};
  const Rgb CloudLit{255.0f, 255.0f, 255.0f};
  const Rgb CloudShade{200.0f, 213.0f, 232.0f};
  const float Unit = static_cast<float>(Height);
  // Density of cloud at a point: warped noise, stretched sideways, with more
  // cloud towards the lower part of the sky.
  auto Density = [&](float U, float V) {
    const float WX = Fbm(U * 1.6f + 5.2f, V * 1.6f, 3, 71u) - 0.5f;
    const float WY = Fbm(U * 1.6f, V * 1.6f + 1.3f, 3, 73u) - 0.5f;
    const float N = Fbm((U + WX * 0.35f) * 1.5f, (V + WY * 0.35f) * 2.8f, 6, 79u, 0.52f);
    const float Bias = 0.10f * V - 0.06f;
    return SmoothStep(0.47f, 0.75f, N + Bias);
  };
  const float Lift = 0.018f;  // how far above a point the light is tested
  for (int Y = 0; Y < Height; ++Y) {
    auto* Line = reinterpret_cast<QRgb*>(Image.scanLine(Y));
    const float V = static_cast<float>(Y) / Unit;
    const float SkyT = SmoothStep(0.0f, 1.0f, V);
    const Rgb Sky = Lerp(Zenith, Horizon, std::pow(SkyT, 0.85f));
    for (int X = 0; X < Width; ++X) {
      const float U = static_cast<float>(X) / Unit;
      const float D = Density(U, V);
      Rgb C = Sky;
      if (D > 0.0f) {
        // Where there is more cloud above a point than at it, the point is in
        // the cloud's own shade; the tops catch the light.
        const float Above = Density(U + Lift * 0.4f, V - Lift);
        const float Shade = Clamp01(0.35f + (Above - D) * 1.6f + (1.0f - D) * 0.25f);
        const Rgb Cloud = Lerp(CloudLit, CloudShade, Shade);
        C = Lerp(Sky, Cloud, D * 0.92f);
      }
      // A faint haze of light near the horizon.
      const float Haze = SmoothStep(0.55f, 1.0f, V) * 0.18f;
      C = Lerp(C, CloudLit, Haze);
      Line[X] = ToPixel(C, X, Y, 2000u);
    }
  }
  return Image;
}

bool Write(const QImage& Image, const QString& FileName) {
  QImageWriter Writer(FileName, "jpeg");
  Writer.setQuality(93);
  Writer.setOptimizedWrite(true);
  if (!Writer.write(Image)) {
    std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(FileName), qPrintable(Writer.errorString()));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication App(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <images folder>\n", argv[0]);
    return 2;
  }
  const QString Folder = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
  QElapsedTimer Timer;
  Timer.start();
  if (!Write(PaintParchment(), Folder + QStringLiteral("fond.jpg"))) return 1;
  const qint64 First = Timer.elapsed();
  if (!Write(PaintClouds(), Folder + QStringLiteral("LightClouds.jpeg"))) return 1;
  std::printf("backgrounds painted in %lld + %lld ms\n", static_cast<long long>(First),
              static_cast<long long>(Timer.elapsed() - First));
  return 0;
}
