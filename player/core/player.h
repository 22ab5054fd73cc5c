// The portable LmvEngine player core.
//
// How a back-end drives it:
//   1. Parse the command line (command_line.h). About mode never touches
//      the core further.
//   2. Find its own program file, take the screen size (display, or the
//      preview parent's client size) and call OpenPlayer(). On false the
//      designed message has already gone to the MessageSink: end, exit 0.
//   3. Create the window at player.geometry's screen, implementing Clock,
//      Sleeper, Surface and MessageSink (platform.h). A window that spans
//      several monitors hands their rectangles to SetMonitors().
//      StartSequence() says where in the sequence the player starts (a
//      seed from the time for shuffle, the monitor it plays on).
//   4. On every paint and every timer expiry call Tick(). It draws through
//      Surface::BeginDraw/Blit/PresentFrame/EndDraw, pauses through
//      Sleeper, and returns what to do next: arm the single timer for
//      TickResult::timerMs; or, while animating is set (a moving effect is
//      on), call Tick() again at the next display refresh, handling input
//      in between; or, when end is set (no record of the package decodes),
//      close the window.
//   5. On window destruction call ClosePlayer() (or just drop the Player).
// Nothing here blocks except the Sleeper pauses of a designed transition
// (10 x 50 ms); a moving effect draws one frame per Tick(), for the time
// it is drawn at, so a late frame is skipped rather than slowed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "effects.h"
#include "frame_compositor.h"
#include "geometry.h"
#include "package_reader.h"
#include "platform.h"
#include "random.h"

namespace lmvengine {

// One monitor of the window: its rectangle in window coordinates and the
// presentation geometry computed for its own size, placed at its origin.
struct Monitor {
  Rect area;
  Geometry geometry;
  bool operator==(const Monitor&) const = default;
};

// A screen on display (or leaving it, under the cross-fade of the next).
struct ShownScreen {
  Raster picture;        // its pixels, for the frames of the moving effects
  int32_t index = -1;    // 0-based record
  bool pans = false;     // drawn through its pan window (effect 9)
  RecordOptions entry;   // its options (transition, picture size, subject)
  int32_t duration = 0;  // seconds
  int64_t startMs = 0;   // monotonic milliseconds when it began to come on
};

// The next screen as read from the package, before the surface has its
// picture: the record that decoded (if one did) and the failures before it.
struct ReadAhead {
  RecordRead read;
  DecodedImage image;
  Raster picture;                       // the image as frame pixels
  std::vector<DecodeResult> failures;  // records skipped on the way
  bool found = false;
  int attemptsLeft = 0;  // reads left before a whole round of the package failed
};

// All the player's state, one instance per run (one per monitor when each
// monitor shows its own screens).
struct Player {
  PackageReader package;     // the open package, read position on the next record
  Geometry geometry;         // where the pictures go in the window
  std::vector<Monitor> monitors;  // each draws every step; one: the whole window
  int screenWidth = 0;       // window width, pixels
  int screenHeight = 0;      // window height, pixels
  bool first = true;         // no screen drawn yet
  RecordHeader next;         // header of the record read in advance
  int nextRecord = 0;        // its 1-based number in the package
  bool nextReady = false;    // the Surface holds its picture
  int32_t currentDuration = 0;  // seconds the screen on display stays
  int32_t currentEffect = 0;    // effect of the screen on display, Random resolved
  int64_t shownAt = 0;       // calendar seconds when it finished drawing
  Random random;             // effect 7's and 10's choices
  bool decodeFailureShown = false;  // the "JPEG Fatal Error" box was shown once
  Language language = Language::kEnglish;  // of its messages: the package's
  // The sequence, with an options block (else the records in their order).
  std::vector<int32_t> order;  // the cycle being played (record indices)
  size_t orderPosition = 0;    // next place in it
  Shuffle shuffle;             // with the shuffle flag
  int64_t firstExtraMs = 0;    // the first screen stays this much longer
  // The moving effects.
  Raster nextPicture;          // pixels of the record read in advance
  ShownScreen shown;           // the screen on display
  ShownScreen leaving;         // the one it cross-fades from, while fading
  bool timed = false;          // the screen on display is timed in milliseconds
  bool fading = false;         // its cross-fade is on
  bool readPending = false;    // the next record is read once the fade is over
  int64_t dueMs = 0;           // when its time is up (timed)
  std::vector<Raster> frames;  // one per monitor
  // The next screen read beside the frames of a moving one (a WorkStarter
  // given): what the work finds, and the work, last so that it is waited
  // for before anything it uses goes.
  ReadAhead ahead;
  std::unique_ptr<BackgroundWork> reading;
};

// What the back-end does after a tick.
struct TickResult {
  bool end = false;       // nothing to play: close the window (exit code 0)
  int timerMs = 0;        // otherwise arm the timer for this many milliseconds
  bool animating = false; // or tick again at the next display refresh
  bool frame = false;     // a frame of a moving effect was drawn, for:
  int64_t frameMs = 0;    //   this monotonic time
  bool drew = false;      // a screen was drawn by this tick:
  int record = 0;         //   its 1-based record number
  int32_t effect = 0;     //   the effect drawn (Random resolved, unknown codes as 0)
  int32_t duration = 0;   //   its duration, seconds
  int64_t drawnAt = 0;    //   calendar seconds when drawing finished
};

// Opens the package at `path` and checks its trailer; shows "LmvEngine can't
// open file" or "LmvEngine bad data" (caption "Error", in the sink's
// SystemLanguage) through `messages` and returns false on failure. On
// success takes the package's language for its later messages, computes
// the geometry for a screen of screenWidth x screenHeight and places the
// read position on the first record.
bool OpenPlayer(Player& player, const std::filesystem::path& path, int screenWidth,
                int screenHeight, MessageSink& messages);

// The language the package at `path` was made in (English without one);
// `otherwise` when it cannot be read. For what is shown without playing
// (the about box).
Language PackageLanguage(const std::filesystem::path& path, Language otherwise);

// Replaces the single monitor that OpenPlayer() made (the whole window) by
// `areas`, rectangles of the window, each one with the geometry of the
// trailer's picture on a screen of its size, offset to its origin. An empty
// list or an empty rectangle leaves the monitors as they were and returns
// false.
bool SetMonitors(Player& player, const std::vector<Rect>& areas);

// Where the sequence starts: with the shuffle flag, the cycles come from
// `seed`; with the different-monitors flag, monitor `monitor` of
// `monitorCount` starts at its own place (MonitorStartPosition) and its
// first screen stays monitor x kMonitorStaggerMs longer. Without an options
// block nothing changes: the records play in their order. Call before the
// first Tick().
void StartSequence(Player& player, uint32_t seed, int monitor, int monitorCount);

// What the tick works with; all owned by the back-end.
struct PlayerContext {
  Clock& clock;
  Sleeper& sleeper;
  Surface& surface;
  MessageSink& messages;
  RowRunner* rows = nullptr;  // threads of the frame compositor (none: this one)
  // A thread to read the next screen on while a moving one plays (none:
  // read between two frames, which holds them).
  WorkStarter* work = nullptr;
};

// The player's heartbeat, run on every paint and timer expiry:
// - first call: reads record 1 and draws it without effect;
// - later calls: if fewer whole seconds than the current duration have
//   passed since the screen was shown, returns timerMs for the missing
//   seconds and draws nothing; otherwise draws the screen read in advance
//   with its effect (7 resolved through the generator); each step is drawn
//   on every monitor in turn (Surface::SetArea, then the blit), then paused;
// - after drawing: timerMs = duration * 1000, and the following record is
//   read and decoded in advance (wrapping after the last). Records that do
//   not decode are skipped; the first decoding failure of the run is shown
//   through `messages`. When no record of the package decodes, end is set.
// Durations below zero count as zero; timerMs never overflows.
// A screen whose (resolved) effect is 8 or 9 comes on by a cross-fade of
// its entry's transitionMs, drawn one frame per tick (animating set), and
// is timed in monotonic milliseconds: its time is up duration x 1000 ms
// after the fade; a pan-and-zoom screen keeps animating while shown. The
// frames follow doc/package_format.md ("Frames of the moving effects").
TickResult Tick(Player& player, const PlayerContext& context);

// Closes the package stream.
void ClosePlayer(Player& player);

}  // namespace lmvengine
