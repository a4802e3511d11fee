// Preloaded into a Qt program under X11 to time its start-up from the outside: the first
// image the backing store sends to the X server (put directly, or copied from the pixmap
// it drew into) is the first paint. Records the time since
// VORN_BENCH_T0 (nanoseconds, CLOCK_REALTIME, taken by the launcher just before it starts
// the program) and, at exit, the peak resident memory, into the file VORN_BENCH_OUT.

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

bool painted = false;

void Record(const char* line) {
  if (const char* path = std::getenv("VORN_BENCH_OUT")) {
    if (std::FILE* out = std::fopen(path, "a")) {
      std::fputs(line, out);
      std::fclose(out);
    }
  }
}

void RecordFirstPaint() {
  if (painted) return;
  painted = true;
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const char* start = std::getenv("VORN_BENCH_T0");
  const long long elapsed =
      now.tv_sec * 1000000000LL + now.tv_nsec - (start ? std::atoll(start) : 0);
  char line[64];
  std::snprintf(line, sizeof line, "paint_us %lld\n", elapsed / 1000);
  Record(line);
}

// Looks the real function up on first use; the probe forwards every call unchanged. Qt
// loads its platform plugin (and so the xcb libraries) privately, where RTLD_NEXT cannot
// see them, so the library is asked for by name when needed.
template <typename Function>
Function Next(const char* library, const char* name) {
  void* function = dlsym(RTLD_NEXT, name);
  if (!function) {
    if (void* handle = dlopen(library, RTLD_LAZY | RTLD_NOLOAD)) function = dlsym(handle, name);
  }
  if (!function) std::abort();
  return reinterpret_cast<Function>(function);
}

}  // namespace

// The xcb calls take and return small structs; forwarding them through opaque, suitably
// sized stand-ins keeps the probe free of the xcb headers.
struct Cookie {
  unsigned int sequence;
};

extern "C" Cookie xcb_shm_put_image(void* c, unsigned int drawable, unsigned int gc,
                                    unsigned short total_width, unsigned short total_height,
                                    unsigned short src_x, unsigned short src_y,
                                    unsigned short src_width, unsigned short src_height,
                                    short dst_x, short dst_y, unsigned char depth,
                                    unsigned char format, unsigned char send_event,
                                    unsigned int shmseg, unsigned int offset) {
  RecordFirstPaint();
  static auto next = Next<decltype(&xcb_shm_put_image)>("libxcb-shm.so.0", "xcb_shm_put_image");
  return next(c, drawable, gc, total_width, total_height, src_x, src_y, src_width, src_height,
              dst_x, dst_y, depth, format, send_event, shmseg, offset);
}

extern "C" Cookie xcb_put_image(void* c, unsigned char format, unsigned int drawable,
                                unsigned int gc, unsigned short width, unsigned short height,
                                short dst_x, short dst_y, unsigned char left_pad,
                                unsigned char depth, unsigned int data_len,
                                const unsigned char* data) {
  RecordFirstPaint();
  static auto next = Next<decltype(&xcb_put_image)>("libxcb.so.1", "xcb_put_image");
  return next(c, format, drawable, gc, width, height, dst_x, dst_y, left_pad, depth, data_len,
              data);
}

extern "C" Cookie xcb_copy_area(void* c, unsigned int src_drawable, unsigned int dst_drawable,
                                unsigned int gc, short src_x, short src_y, short dst_x, short dst_y,
                                unsigned short width, unsigned short height) {
  RecordFirstPaint();
  static auto next = Next<decltype(&xcb_copy_area)>("libxcb.so.1", "xcb_copy_area");
  return next(c, src_drawable, dst_drawable, gc, src_x, src_y, dst_x, dst_y, width, height);
}

// Only the measured program is probed, not whatever helper processes it starts.
__attribute__((constructor)) static void StayInThisProcess() {
  unsetenv("LD_PRELOAD");
}

__attribute__((destructor)) static void RecordPeakMemory() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (!status) return;
  char line[256];
  while (std::fgets(line, sizeof line, status)) {
    if (std::strncmp(line, "VmHWM:", 6) == 0) {
      char record[64];
      std::snprintf(record, sizeof record, "peak_kb %ld\n", std::atol(line + 6));
      Record(record);
    }
  }
  std::fclose(status);
}
