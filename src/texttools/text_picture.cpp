#include "texttools/text_picture.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "streaming/memory_stream.h"
#include "support/general_error.h"
#include "support/limits.h"
#include "support/messages.h"
#include "texttools/byte_image.h"
#include "texttools/byte_stream.h"
#include "texttools/text_picture_alphabet.h"
#include "texttools/text_picture_reader.h"
#include "texttools/text_picture_writer.h"

namespace plorvane {

namespace {

constexpr std::string_view kLoading = "Loading";
constexpr std::string_view kSaving = "Saving";

// Runs an operation's body with the error handling every load and save shares: anything that
// escapes becomes the LastError text raised as EGeneralError, after the end report.
template <typename Body>
void RunReported(ProgressReporter& progress, std::string& last_error, Body&& body) {
  progress.Start();
  last_error = msg::kOutOfMemory;
  bool succeeded = false;
  try {
    succeeded = std::forward<Body>(body)();
  } catch (...) {
    succeeded = false;  // last_error already names the step that failed
  }
  progress.End();
  if (!succeeded) throw EGeneralError(last_error);
  last_error.clear();
}

}  // namespace

void TTextPicture::SetLineStyle(int style) { line_style_ = std::clamp(style, 0, 2); }

void TTextPicture::SetDepth(int depth) {
  depth_ = std::clamp(depth, text_picture::kMinDepth, text_picture::kMaxDepth);
}

void TTextPicture::Assign(const TTextPicture& source) {
  if (&source == this) return;
  bitmap_ = source.bitmap_;
  line_style_ = source.line_style_;
  depth_ = source.depth_;
}

void TTextPicture::Assign(const Bitmap& source) { bitmap_ = source; }

bool TTextPicture::SetWidth(int width) { return ResizeKeeping(width, bitmap_.height()); }
bool TTextPicture::SetHeight(int height) { return ResizeKeeping(bitmap_.width(), height); }

bool TTextPicture::ResizeKeeping(int width, int height) {
  Bitmap resized;
  if (!resized.Resize(width, height, kWhite)) return false;
  const int rows = std::min(height, bitmap_.height());
  const auto row_bytes = static_cast<std::size_t>(std::min(width, bitmap_.width())) * 3;
  for (int y = 0; y < rows && row_bytes > 0; ++y) std::memcpy(resized.scanline(y), bitmap_.scanline(y), row_bytes);
  bitmap_ = std::move(resized);
  return true;
}

void TTextPicture::LoadFromStream(Stream& stream) {
  ProgressReporter progress(OnProgress, Clock, last_progress_report_, kLoading);
  RunReported(progress, last_error_, [&] {
    TByteStream bytes(&stream);
    text_picture::Reader reader(bytes, stream.Position(), progress);
    text_picture::Header header;
    last_error_ = msg::kUnknownFormat;
    if (!reader.ReadHeader(header)) return false;

    // The format allows 262,143 by 262,143; refuse what the bitmap cannot hold before allocating.
    last_error_ = msg::kUnexpectedError;
    if (header.depth < text_picture::kMinDepth || header.depth > text_picture::kMaxDepth || header.width < 1 ||
        header.height < 1 ||
        static_cast<std::int64_t>(header.width) * header.height > limits::kMaxBitmapPixels) {
      return false;
    }

    last_error_ = msg::kOutOfMemory;
    if (!bitmap_.Resize(header.width, header.height, kWhite)) return false;
    TByteImage image(&bitmap_);
    reader.ReadPixels(header, image);
    return bytes.Close() && stream.Seek(reader.Position());
  });
}

void TTextPicture::SaveToStream(Stream& stream) {
  ProgressReporter progress(OnProgress, Clock, last_progress_report_, kSaving);
  RunReported(progress, last_error_, [&] {
    // Three digits per side cannot say more.
    last_error_ = msg::kUnexpectedError;
    if (bitmap_.width() > text_picture::kMaxDimension || bitmap_.height() > text_picture::kMaxDimension) {
      return false;
    }
    last_error_ = msg::kOutOfMemory;
    TByteStream bytes(&stream);
    text_picture::Writer writer(bytes, stream.Position(), line_style_, progress);
    return writer.Write(bitmap_, depth_) && bytes.Close() && stream.Seek(writer.Position());
  });
}

bool TTextPicture::LoadFromText(std::string_view text) {
  MemoryStream stream(text);
  try {
    LoadFromStream(stream);
    return true;
  } catch (const EGeneralError&) {
    return false;
  }
}

Bitmap TextToBitmap(std::string_view text) {
  TTextPicture picture;
  if (!picture.LoadFromText(text)) return {};
  return std::move(picture.bitmap());
}

}  // namespace plorvane
