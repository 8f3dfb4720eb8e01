// Writes the card's sounds as wave files, so the repository holds no
// recordings: start.wav, hold.wav and a few win and loss jingles.
// Usage: make_sounds OUTPUT_FOLDER
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;

struct Note {
  double frequency; // Hz; 0 is a rest
  double seconds;
  double frequencyAtEnd = 0; // a slide when not 0
};

enum class Voice { Sine, Bell, Square };

double VoiceSample(Voice voice, double phase) {
  switch (voice) {
  case Voice::Sine:
    return std::sin(phase);
  case Voice::Bell:
    return 0.6 * std::sin(phase) + 0.25 * std::sin(2.76 * phase) +
           0.15 * std::sin(5.4 * phase);
  case Voice::Square:
    return std::sin(phase) >= 0 ? 0.5 : -0.5;
  }
  return 0;
}

std::vector<std::int16_t> Render(const std::vector<Note> &notes, Voice voice,
                                 double volume) {
  std::vector<std::int16_t> samples;
  for (const Note &note : notes) {
    const int count = static_cast<int>(note.seconds * kSampleRate);
    double phase = 0;
    for (int i = 0; i < count; ++i) {
      const double progress = static_cast<double>(i) / count;
      const double frequency =
          note.frequencyAtEnd == 0
              ? note.frequency
              : note.frequency +
                    (note.frequencyAtEnd - note.frequency) * progress;
      phase += 2 * std::numbers::pi * frequency / kSampleRate;
      // A short attack and an exponential decay keep the notes from clicking.
      const double attack = std::min(1.0, i / (0.005 * kSampleRate));
      const double envelope = attack * std::exp(-3.0 * progress);
      const double value =
          note.frequency == 0 ? 0 : VoiceSample(voice, phase) * envelope;
      samples.push_back(static_cast<std::int16_t>(value * volume * 32767));
    }
  }
  return samples;
}

void WriteLittleEndian(std::ofstream &out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.put(static_cast<char>((value >> (8 * i)) & 0xff));
}

bool WriteWave(const std::filesystem::path &file,
               const std::vector<std::int16_t> &samples) {
  std::ofstream out(file, std::ios::binary);
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  out << "RIFF";
  WriteLittleEndian(out, 36 + dataBytes, 4);
  out << "WAVEfmt ";
  WriteLittleEndian(out, 16, 4); // format chunk size
  WriteLittleEndian(out, 1, 2);  // PCM
  WriteLittleEndian(out, 1, 2);  // mono
  WriteLittleEndian(out, kSampleRate, 4);
  WriteLittleEndian(out, kSampleRate * 2, 4); // bytes per second
  WriteLittleEndian(out, 2, 2);               // bytes per frame
  WriteLittleEndian(out, 16, 2);              // bits per sample
  out << "data";
  WriteLittleEndian(out, dataBytes, 4);
  for (std::int16_t sample : samples)
    WriteLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
  return static_cast<bool>(out);
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::cerr << "usage: make_sounds OUTPUT_FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder / "w_sounds");
  std::filesystem::create_directories(folder / "l_sounds");

  struct Sound {
    const char *name;
    std::vector<Note> notes;
    Voice voice;
    double volume;
  };
  const std::vector<Sound> sounds = {
      {"start.wav",
       {{523.3, 0.08}, {659.3, 0.08}, {784.0, 0.14}},
       Voice::Sine,
       0.5},
      {"hold.wav", {{1200, 0.05}}, Voice::Square, 0.4},
      {"w_sounds/fanfare.wav",
       {{523.3, 0.1}, {659.3, 0.1}, {784.0, 0.1}, {1046.5, 0.35}},
       Voice::Sine,
       0.55},
      {"w_sounds/chime.wav", {{880, 0.25}, {1318.5, 0.5}}, Voice::Bell, 0.5},
      {"w_sounds/coins.wav",
       {{1568, 0.05}, {2093, 0.05}, {1568, 0.05}, {2093, 0.05}, {2637, 0.2}},
       Voice::Sine,
       0.45},
      {"l_sounds/fall.wav",
       {{784.0, 0.15}, {659.3, 0.15}, {523.3, 0.35}},
       Voice::Sine,
       0.5},
      {"l_sounds/buzz.wav", {{110, 0.35}}, Voice::Square, 0.35},
      {"l_sounds/slide.wav", {{440, 0.6, 220}}, Voice::Sine, 0.5},
  };
  for (const Sound &sound : sounds) {
    if (!WriteWave(folder / sound.name,
                   Render(sound.notes, sound.voice, sound.volume))) {
      std::cerr << "cannot write " << (folder / sound.name) << "\n";
      return 1;
    }
  }
  return 0;
}
