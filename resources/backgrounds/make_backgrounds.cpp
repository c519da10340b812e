// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the game's two background pictures, each for the day and the night
// look:
//   fond.jpg          "Classique": warm parchment, softly mottled, with faint
//                     fibres and a gentle vignette (fond-nuit.jpg: dark brown);
//   LightClouds.jpeg  "Nuage": a pale blue sky with soft white clouds
//                     (LightClouds-nuit.jpeg: a night sky, grey clouds).
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
#include <vector>

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
  constexpr float Cos = 0.8f;  // about 37 degrees
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

inline Rgb Lerp(const Rgb& A, const Rgb& B, float T) { return {Mix(A.R, B.R, T), Mix(A.G, B.G, T), Mix(A.B, B.B, T)}; }

// Rounds to 8 bits with a triangular dither of about one step.
inline int Dithered(float V, int X, int Y, std::uint32_t Seed) {
  const float D1 = Lattice(X, Y, Seed);
  const float D2 = Lattice(X, Y, Seed + 7777u);
  return std::clamp(static_cast<int>(std::floor(V + D1 + D2 - 0.5f)), 0, 255);
}

inline QRgb ToPixel(const Rgb& C, int X, int Y, std::uint32_t Seed) {
  return qRgb(Dithered(C.R, X, Y, Seed), Dithered(C.G, X, Y, Seed + 1u), Dithered(C.B, X, Y, Seed + 2u));
}

// A smooth quantity sampled every Step pixels and read back anywhere with
// bilinear interpolation: the broad features cost a fraction of the pixels.
class Field {
 public:
  template <class Function>
  Field(int Step, Function F) : Step_(Step), Columns_(Width / Step + 2), Rows_(Height / Step + 2) {
    Values_.resize(static_cast<std::size_t>(Columns_) * static_cast<std::size_t>(Rows_));
    for (int R = 0; R < Rows_; ++R)
      for (int C = 0; C < Columns_; ++C)
        Values_[Index(C, R)] = F(static_cast<float>(C * Step_), static_cast<float>(R * Step_));
  }

  // The value at pixel (X, Y); points outside the picture take the edge's value.
  float At(float X, float Y) const {
    const float FX = std::clamp(X / static_cast<float>(Step_), 0.0f, static_cast<float>(Columns_ - 1) - 0.001f);
    const float FY = std::clamp(Y / static_cast<float>(Step_), 0.0f, static_cast<float>(Rows_ - 1) - 0.001f);
    const int C = static_cast<int>(FX);
    const int R = static_cast<int>(FY);
    const float TX = FX - static_cast<float>(C);
    const float TY = FY - static_cast<float>(R);
    return Mix(Mix(Values_[Index(C, R)], Values_[Index(C + 1, R)], TX),
               Mix(Values_[Index(C, R + 1)], Values_[Index(C + 1, R + 1)], TX), TY);
  }

 private:
  std::size_t Index(int C, int R) const {
    return static_cast<std::size_t>(R) * static_cast<std::size_t>(Columns_) + static_cast<std::size_t>(C);
  }

  int Step_;
  int Columns_;
  int Rows_;
  std::vector<float> Values_;
};

// ---- "Classique": parchment ---------------------------------------------------

// The paper where it is clean, its mottled, older parts, the browned border.
struct PaperColours {
  Rgb Light, Warm, Edge;
};
const PaperColours DayPaper{{238.0f, 222.0f, 186.0f}, {220.0f, 193.0f, 147.0f}, {158.0f, 114.0f, 70.0f}};
// The same parchment by candlelight: dark brown, darker at the edges.
const PaperColours NightPaper{{62.0f, 54.0f, 44.0f}, {50.0f, 42.0f, 33.0f}, {22.0f, 17.0f, 12.0f}};

QImage PaintParchment(const PaperColours& Paper) {
  const Rgb& Light = Paper.Light;
  const Rgb& Warm = Paper.Warm;
  const Rgb& Edge = Paper.Edge;
  const float Unit = static_cast<float>(Height);  // noise scales follow the height

  // Broad clouds of age on the paper, smaller stains within them, and the
  // uneven edge of the browning.
  const Field Age(4, [&](float X, float Y) {
    const float U = X / Unit, V = Y / Unit;
    const float Broad = Fbm(U * 2.0f, V * 2.0f, 6, 11u);
    const float Stain = Fbm(U * 6.5f + 3.1f, V * 6.5f, 4, 23u);
    return SmoothStep(0.32f, 0.70f, Broad) * 0.72f + SmoothStep(0.50f, 0.82f, Stain) * 0.28f;
  });
  const Field Blotch(8, [&](float X, float Y) { return Fbm(X / Unit * 3.5f, Y / Unit * 3.5f, 4, 53u) - 0.5f; });
  const Field Tooth(2, [&](float X, float Y) { return Fbm(X / Unit * 90.0f, Y / Unit * 90.0f, 2, 67u) - 0.5f; });

  QImage Image(Width, Height, QImage::Format_RGB32);
  const float CX = Width * 0.5f;
  const float CY = Height * 0.47f;
  for (int Y = 0; Y < Height; ++Y) {
    auto* Line = reinterpret_cast<QRgb*>(Image.scanLine(Y));
    const float FY = static_cast<float>(Y);
    for (int X = 0; X < Width; ++X) {
      const float FX = static_cast<float>(X);
      Rgb C = Lerp(Light, Warm, Age.At(FX, FY));
      // Vignette: an ellipse that browns gently, and a little unevenly, towards the edges.
      const float DX = (FX - CX) / (Width * 0.60f);
      const float DY = (FY - CY) / (Height * 0.64f);
      const float Vignette = SmoothStep(0.40f, 1.25f, std::sqrt(DX * DX + DY * DY));
      C = Lerp(C, Edge, Clamp01(Vignette * (0.66f + Blotch.At(FX, FY) * 0.5f)));
      // The tooth of the paper: fine grain at two sizes.
      const float Grain = ValueNoise(FX * 0.7f, FY * 0.7f, 41u) - 0.5f;
      const float Shade = 1.0f + Tooth.At(FX, FY) * 0.035f + Grain * 0.022f;
      C = {C.R * Shade, C.G * Shade, C.B * Shade};
      Line[X] = ToPixel(C, X, Y, 1000u);
    }
  }
  return Image;
}

// ---- "Nuage": sky and clouds --------------------------------------------------

struct SkyColours {
  Rgb Zenith, Horizon, CloudLit, CloudShade;
};
const SkyColours DaySky{
    {120.0f, 170.0f, 224.0f}, {206.0f, 228.0f, 247.0f}, {255.0f, 255.0f, 255.0f}, {196.0f, 211.0f, 232.0f}};
// The same clouds at night: a deep blue sky, grey clouds lit by the moon.
const SkyColours NightSky{{10.0f, 16.0f, 36.0f}, {34.0f, 44.0f, 70.0f}, {92.0f, 100.0f, 120.0f}, {46.0f, 54.0f, 76.0f}};

QImage PaintClouds(const SkyColours& Sky) {
  const Rgb& Zenith = Sky.Zenith;
  const Rgb& Horizon = Sky.Horizon;
  const Rgb& CloudLit = Sky.CloudLit;
  const Rgb& CloudShade = Sky.CloudShade;
  const float Unit = static_cast<float>(Height);

  // Raw cloud noise: a large, slightly warped shape, flattened like
  // fair-weather cumulus, with finer detail that rounds the edges.
  const Field Raw(3, [&](float X, float Y) {
    const float U = X / Unit, V = Y / Unit;
    const float WX = Fbm(U * 1.1f + 5.2f, V * 1.1f, 3, 71u) - 0.5f;
    const float WY = Fbm(U * 1.1f, V * 1.1f + 1.3f, 3, 73u) - 0.5f;
    const float PU = (U + WX * 0.18f) * 1.5f;
    const float PV = (V + WY * 0.18f) * 2.6f;
    return Fbm(PU, PV, 7, 79u, 0.5f);
  });
  // More cloud towards the lower part of the sky, none right at the top.
  auto Density = [&](float X, float Y) {
    const float V = Y / Unit;
    const float Bias = 0.09f * V - 0.05f;
    return SmoothStep(0.50f, 0.66f, Raw.At(X, Y) + Bias);
  };

  QImage Image(Width, Height, QImage::Format_RGB32);
  const float Lift = Unit * 0.02f;  // how far above a point the light is tested
  for (int Y = 0; Y < Height; ++Y) {
    auto* Line = reinterpret_cast<QRgb*>(Image.scanLine(Y));
    const float FY = static_cast<float>(Y);
    const float V = FY / Unit;
    const Rgb Air = Lerp(Zenith, Horizon, std::pow(SmoothStep(-0.1f, 1.05f, V), 0.9f));
    for (int X = 0; X < Width; ++X) {
      const float FX = static_cast<float>(X);
      const float D = Density(FX, FY);
      Rgb C = Air;
      if (D > 0.0f) {
        // Light comes from above: a point with little cloud above it is a lit
        // top; a point with cloud above and clear sky below is a shaded base.
        const float Above = Density(FX + Lift * 0.3f, FY - Lift);
        const float Below = Density(FX - Lift * 0.3f, FY + Lift);
        const float Shade =
            Clamp01(0.12f + 0.55f * Above * (1.0f - Below) + 0.2f * Above * Below - 0.25f * (D - Above));
        const Rgb Cloud = Lerp(CloudLit, CloudShade, Shade);
        C = Lerp(Air, Cloud, D * 0.95f);
      }
      // A faint haze of light near the horizon.
      C = Lerp(C, CloudLit, SmoothStep(0.6f, 1.0f, V) * 0.16f);
      // A grain of a few pixels, too fine to see but coarse enough to survive
      // the JPEG compression, breaks the long gradient into no visible steps.
      const float Grain = (ValueNoise(FX * 0.35f, FY * 0.35f, 89u) - 0.5f) * 2.4f;
      C = {C.R + Grain, C.G + Grain, C.B + Grain};
      Line[X] = ToPixel(C, X, Y, 2000u);
    }
  }
  return Image;
}

bool Write(const QImage& Image, const QString& FileName) {
  QImageWriter Writer(FileName, "jpeg");
  Writer.setQuality(94);
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
  if (!Write(PaintParchment(DayPaper), Folder + QStringLiteral("fond.jpg"))) return 1;
  if (!Write(PaintParchment(NightPaper), Folder + QStringLiteral("fond-nuit.jpg"))) return 1;
  const qint64 First = Timer.elapsed();
  if (!Write(PaintClouds(DaySky), Folder + QStringLiteral("LightClouds.jpeg"))) return 1;
  if (!Write(PaintClouds(NightSky), Folder + QStringLiteral("LightClouds-nuit.jpeg"))) return 1;
  std::printf("backgrounds painted in %lld + %lld ms\n", static_cast<long long>(First),
              static_cast<long long>(Timer.elapsed() - First));
  return 0;
}
