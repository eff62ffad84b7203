#include "card/legacy_card.h"

#include "card/card.h"
#include "streaming/object_stream.h"
#include "support/messages.h"

namespace plorvane {
namespace {

using V1 = TZarvickV1;

}  // namespace

// Every setter goes through the attached card; with none, nothing changes and the getters
// answer 0 or nothing.
const PublishedProperties<TZarvickV1>& TZarvickV1::Published() {
  const auto with_card = [](auto apply) {
    return [apply](V1& v1, auto&& value) {
      v1.untouched_ = false;
      if (v1.card_) apply(*v1.card_, std::forward<decltype(value)>(value));
    };
  };
  const auto integer = [](auto get) {
    return [get](const V1& v1) { return v1.card_ ? static_cast<std::int32_t>(get(*v1.card_)) : 0; };
  };
  static const auto properties =
      PublishedProperties<V1>()
          .Binary(
              "Picture.Data",
              [](const V1& v1) -> std::optional<Binary> {
                if (!v1.card_ || !v1.card_->CardPicture().HasGraphic()) return std::nullopt;
                Binary data;
                v1.card_->CardPicture().SaveData(data);
                return data;
              },
              [](V1& v1, Binary&& data) {
                v1.untouched_ = false;
                Picture picture;
                if (!picture.LoadData(data)) return false;
                if (v1.card_) v1.card_->SetCardPicture(std::move(picture));
                return true;
              })
          .Integer("SoundType", integer([](const TZarvickV2& c) { return c.pSoundType(); }),
                   with_card([](TZarvickV2& c, std::int32_t v) { c.SetSoundType(v); }))
          .String(
              "Sound",
              [](const V1& v1) {
                return v1.card_ ? std::string(v1.card_->SoundData().begin(), v1.card_->SoundData().end()) : std::string();
              },
              with_card([](TZarvickV2& c, std::string&& v) { c.SetSoundData({v.begin(), v.end()}); }))
          .Integer("Split", integer([](const TZarvickV2& c) { return c.pSplit(); }),
                   with_card([](TZarvickV2& c, std::int32_t v) { c.SetSplit(v); }))
          .Integer("Color", integer([](const TZarvickV2& c) { return c.pColor(); }),
                   with_card([](TZarvickV2& c, std::int32_t v) { c.SetColor(static_cast<Colour>(v)); }))
          .Boolean(
              "SwapColor", [](const V1& v1) { return v1.card_ && v1.card_->pSwapColor(); },
              with_card([](TZarvickV2& c, bool v) { c.SetSwapColor(v); }))
          .Integer("Size", integer([](const TZarvickV2& c) { return c.pSize(); }),
                   with_card([](TZarvickV2& c, std::int32_t v) { c.SetSize(v); }))
          .Integer("Shade", integer([](const TZarvickV2& c) { return c.pShade(); }),
                   with_card([](TZarvickV2& c, std::int32_t v) { c.SetShade(v); }))
          .String(
              "Link", [](const V1& v1) { return v1.card_ ? v1.card_->pLink() : std::string(); },
              with_card([](TZarvickV2& c, std::string&& v) { c.SetLink(v); }))
          .Integer("LinkColor", integer([](const TZarvickV2& c) { return c.pLinkColor(); }),
                   with_card([](TZarvickV2& c, std::int32_t v) { c.SetLinkColor(static_cast<Colour>(v)); }));
  return properties;
}

bool TZarvickV1::Attach(TZarvickV2* card) {
  card_ = card;
  if (!card) return false;
  card->OnLegacyRead = [this](TZarvickV2& c, Stream& stream, std::uint8_t& result, std::string& error) {
    ReadLegacy(c, stream, result, error);
  };
  return true;
}

void TZarvickV1::ReadLegacy(TZarvickV2& card, Stream& stream, std::uint8_t& result, std::string& error) {
  result = 0;
  error = msg::kUnknownFormat;
  untouched_ = true;
  if (ReadObject(stream, *this)) {
    result = 1;
  } else if (!untouched_) {
    error = msg::kDataCorrupt;
  }
  card.Redraw(true);
}

TZarvickV1& LegacyReader() {
  static TZarvickV1 reader;
  return reader;
}

}  // namespace plorvane
