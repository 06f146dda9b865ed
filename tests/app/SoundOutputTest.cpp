#include "app/SoundPlayer.h"
#include "app/SoundSource.h"
#include "sound/SoundGenerator.h"
#include "sound/WavFile.h"
#include "support/ShownForm.h"

#include <QAudioDevice>
#include <QByteArray>
#include <QMediaDevices>
#include <optional>

namespace amsim {
namespace {

// ParameterValues: mdl, Vcc, BliSiNo, BlsSiNo, fase, envelope, ruido.
constexpr ParameterValues kAm{1, 1, 1, 1, 0, 0, 0};
constexpr ParameterValues kNoisySsb{1, 0, 0, 1, 30, 0, 0.05};

struct FeedRow {
    const char* name;
    qint64 readBytes;   // what the sink asks for at a time
    qint64 changeAfter; // bytes read before the new setting; 0 for none
};

class SoundFeedTest : public testing::TestWithParam<FeedRow> {};

// What a sink pulls is the generator's samples, as 16-bit little-endian,
// however it slices its reads and whenever the setting changes.
TEST_P(SoundFeedTest, BytesAreTheGeneratorsSamples) {
    const FeedRow& row = GetParam();
    constexpr qint64 kTotal = 19200; // 9,600 samples of two bytes
    SoundGenerator fedFrom(kAm, 0);
    SoundSource source([&fedFrom](std::size_t count) { return fedFrom.next(count); });
    ASSERT_TRUE(source.isReadable());
    QByteArray fed;
    std::optional<qsizetype> changedAt;
    while (fed.size() < kTotal) {
        if (row.changeAfter != 0 && !changedAt && fed.size() >= row.changeAfter) {
            fedFrom.setValues(kNoisySsb);
            changedAt = fed.size();
        }
        const QByteArray got = source.read(std::min(row.readBytes, kTotal - fed.size()));
        ASSERT_FALSE(got.isEmpty());
        ASSERT_EQ(got.size() % 2, 0);
        fed += got;
    }
    SoundGenerator generator(kAm, 0);
    std::vector<float> expected;
    if (changedAt) {
        expected = generator.next(static_cast<std::size_t>(*changedAt / 2));
        generator.setValues(kNoisySsb);
    }
    const std::vector<float> rest =
        generator.next(static_cast<std::size_t>(kTotal / 2) - expected.size());
    expected.insert(expected.end(), rest.begin(), rest.end());
    ASSERT_EQ(fed.size(), kTotal);
    EXPECT_EQ(changedAt.has_value(), row.changeAfter != 0);
    for (qsizetype i = 0; i < static_cast<qsizetype>(expected.size()); ++i) {
        const auto low = static_cast<std::uint8_t>(fed.at(2 * i));
        const auto high = static_cast<std::uint8_t>(fed.at(2 * i + 1));
        ASSERT_EQ(static_cast<std::int16_t>(low | (high << 8U)),
                  pcm16(expected[static_cast<std::size_t>(i)]))
            << "sample " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, SoundFeedTest,
                         testing::Values(FeedRow{"FiftyMillisecondReads", 4800, 0},
                                         FeedRow{"ReadsOfAnOddSize", 777, 0},
                                         FeedRow{"ChangeOfSettingMidway", 4800, 9600},
                                         FeedRow{"ChangeBetweenOddReads", 1001, 5005}),
                         [](const testing::TestParamInfo<FeedRow>& row) {
                             return std::string(row.param.name);
                         });

using SoundToggle = ShownForm;

// Off at start, named for a listener, a visible on/off state; where the
// machine has no audio output, disabled with the reason in Spanish.
TEST_F(SoundToggle, StartsOffAndSaysWhyWhenThereIsNoOutput) {
    auto* toggle = control<QPushButton>("Escuchar");
    ASSERT_NE(toggle, nullptr);
    EXPECT_TRUE(toggle->isCheckable());
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_EQ(toggle->accessibleName(), "Escuchar");
    form.offerSound();
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        EXPECT_FALSE(toggle->isEnabled());
        EXPECT_TRUE(toggle->toolTip().startsWith("No se puede escuchar"))
            << toggle->toolTip().toStdString();
        QTest::mouseClick(toggle, Qt::LeftButton);
        EXPECT_FALSE(toggle->isChecked());
    } else {
        EXPECT_TRUE(toggle->isEnabled());
        EXPECT_FALSE(SoundPlayer::unavailableReason().has_value());
    }
}

} // namespace
} // namespace amsim
