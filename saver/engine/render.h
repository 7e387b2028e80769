// The steps of one frame that the tests and the benchmarks reach one by one.
#pragma once
#include <cstdint>

// Every wave's blend table: start * (1 - w) + target * w with w = morphPos / L,
// truncated toward zero; all nine waves.
void BlendWaves();

// Every wave's phase += phaseStep (all nine, modulo 2^32).
void AdvancePhases();

// Waves n down to 1: morphPos += MorphSpeed; past the table length it starts
// again at 0 with a new target (GenerateWave).
void AdvanceMorphs(int32_t waveCount);

// The status line: "FPS: %d  SONG: name", without the song part when there is
// none; empty when the stats are off.
void FormatStatusLine(char* buffer, uint32_t size, bool showStats, int32_t framesPerSecond,
                      const char* songName);
