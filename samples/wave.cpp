#include "wave.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

namespace sample {

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

void put16(std::string& out, int v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::string wavOf(const std::vector<double>& samples)
{
    std::string out = "RIFF";
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);
    put16(out, 16);
    out += "data";
    put32(out, dataBytes);
    for (const double s : samples)
        put16(out, static_cast<int>(std::lround(std::clamp(s, -1.0, 1.0) * 32000)));
    return out;
}

// A repeatable noise source, so every build makes the same files.
class Noise {
public:
    double next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 24) * 2.0 - 1.0;
    }

private:
    std::uint32_t state_ = 12345;
};

std::vector<double> render(double seconds, const std::function<double(double t, double u)>& f)
{
    const int n = static_cast<int>(seconds * kRate);
    std::vector<double> out(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        out[static_cast<std::size_t>(i)] = f(static_cast<double>(i) / kRate, static_cast<double>(i) / n);
    return out;
}

// A whoosh: noise through a resonance that sweeps down.
std::vector<double> swing()
{
    Noise noise;
    double low = 0, band = 0;
    return render(0.22, [&](double, double u) {
        const double f = 2 * std::sin(kPi * (2500 - 1900 * u) / kRate);
        const double x = noise.next();
        low += f * band;
        const double high = x - low - 0.35 * band;
        band += f * high;
        return band * 0.9 * std::sin(kPi * u);
    });
}

// A hit: a sharp noise crack over a falling thump.
std::vector<double> hit(double length, double pitch)
{
    Noise noise;
    double phase = 0;
    return render(length, [&](double t, double u) {
        phase += 2 * kPi * pitch * (1.0 - 0.6 * u) / kRate;
        const double thump = std::sin(phase) * std::exp(-t * 18);
        const double crack = noise.next() * std::exp(-t * 45);
        return 0.8 * thump + 0.7 * crack;
    });
}

// A voice-like blip: a buzzing source with a gliding pitch and two vowel formants.
std::vector<double> voice(double from, double to, double f1, double f2)
{
    double phase = 0;
    return render(0.24, [&](double, double u) {
        phase += 2 * kPi * (from + (to - from) * u) / kRate;
        double s = 0;
        for (int h = 1; h <= 24; ++h) {
            const double freq = h * (from + (to - from) * u);
            const double gain =
                std::exp(-std::pow((freq - f1) / 180, 2)) + 0.6 * std::exp(-std::pow((freq - f2) / 260, 2));
            s += gain * std::sin(h * phase) / h;
        }
        const double envelope = std::min(1.0, u * 12) * std::pow(1 - u, 1.5);
        return 1.6 * s * envelope;
    });
}

// A rising or falling tone.
std::vector<double> tone(double seconds, double from, double to, double decay)
{
    double phase = 0;
    return render(seconds, [&](double t, double u) {
        phase += 2 * kPi * (from + (to - from) * u) / kRate;
        return 0.7 * std::sin(phase) * std::exp(-t * decay) * std::min(1.0, u * 30);
    });
}

} // namespace

std::vector<Sound> synthesizeSounds()
{
    return {
        {0, 0, wavOf(swing())},
        {1, 0, wavOf(hit(0.16, 140))},
        {1, 1, wavOf(hit(0.30, 90))},
        {2, 0, wavOf(voice(260, 190, 700, 1200))},
        {2, 1, wavOf(voice(300, 230, 500, 900))},
        {40, 0, wavOf(tone(0.16, 280, 720, 6))},
        {52, 0, wavOf(tone(0.20, 110, 50, 14))},
    };
}

} // namespace sample
