// One calculation as a value: request -> result for Kelda W1 (16:9 row: throw
// 1.37 / 1.66, 2000 lm on a 1920 x 1080 panel), the installation's two orders, the
// reasons of a failure, and the labelled rows of each consumer.
#include "core/Calculation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
SCalculationRequest Request(int nMode, float fSize, float fGain = 1.0f)
{
    SCalculationRequest request;
    request.strName = "Kelda W1";
    request.nAspectCode = kAspectCode16x9;
    request.options = MakeDisplayOptions(kUnitMeters, kAspectCode16x9);
    request.fGain = fGain;
    request.nMode = nMode;
    (nMode == kModeSizeToDistance ? request.fWidth : request.fDistance) = fSize;
    return request;
}

std::string Joined(const std::vector<SResultRow>& rows)
{
    std::string text;
    for (const SResultRow& row : rows)
        text += row.strLabel + "|" + row.strValue + "\n";
    return text;
}
} // namespace

TEST(Calculation, SizeToDistanceFillsResultAndRecordAlike)
{
    CLenvaraEngine engine;
    const SCalculation r = engine.Calculate(Request(kModeSizeToDistance, 2.0f));
    ASSERT_TRUE(r.Succeeded());
    EXPECT_NEAR(r.fHeight, 1.125f, 1e-5);
    EXPECT_NEAR(r.fDiagonal, 2.2947f, 1e-4);
    EXPECT_NEAR(r.fDistWide, 2.74f, 1e-5);
    EXPECT_NEAR(r.fDistTele, 3.32f, 1e-5);
    EXPECT_NEAR(r.fLumWide, 282.94f, 0.01);
    EXPECT_EQ(r.fLumTele, r.fLumWide);
    EXPECT_EQ(r.strLumUnit, "Nits");
    EXPECT_TRUE(r.bDistWideInRange && r.bDistTeleInRange);
    // One screen at two distances, in the same order for preview and shift.
    EXPECT_EQ(r.preview.second.fDistance, r.fDistTele);
    EXPECT_EQ(r.shift.first.fDistance, r.fDistWide);
    // The record holds what the result holds.
    EXPECT_EQ(engine.m_model.GetDistTele(), r.fDistTele);
    EXPECT_EQ(engine.m_model.GetMode(), kModeSizeToDistance);
    EXPECT_EQ(Joined(ResultRows(r, kRowsReport)),
              "- Screen Width: |2.00\n- Screen Height: |1.12\n- Screen Diagonal: |2.29\n"
              "- PROJECTION DISTANCE: |from 2.74 (WA) to 3.32 (TP)\n");
    EXPECT_EQ(Joined(ResultRows(r, kRowsCommandLine)),
              "Width|2.00\nHeight|1.12\nDiagonal|2.29\nDistance wide|2.74\n"
              "Distance tele|3.32\nLuminance wide|282.94 Nits\nLuminance tele|282.94 Nits\n");
}

TEST(Calculation, DistanceToSizeOrdersTheScreensPerConsumer)
{
    CLenvaraEngine engine;
    const SCalculation r = engine.Calculate(Request(kModeDistanceToSize, 3.0f));
    ASSERT_TRUE(r.Succeeded());
    EXPECT_NEAR(r.fWidthWide, 2.1898f, 1e-4);
    EXPECT_NEAR(r.fWidthTele, 1.8072f, 1e-4);
    EXPECT_NEAR(r.fDiagTele, 2.0735f, 1e-4);
    EXPECT_NEAR(r.fLumWide, 236.02f, 0.01);
    EXPECT_NEAR(r.fLumTele, 346.52f, 0.01);
    // The preview takes the tele screen first, the Shift Calculator the wide one.
    EXPECT_EQ(r.preview.first.fWidth, r.fWidthTele);
    EXPECT_EQ(r.shift.first.fWidth, r.fWidthWide);
    EXPECT_EQ(r.shift.second.fDistance, 3.0f);
    EXPECT_EQ(Joined(ResultRows(r, kRowsSavedPage)),
              "Projection Distance|3.00\nWidth (Tele)|1.81\nWidth (Wide)|2.19\n"
              "Height (Tele)|1.02\nHeight (Wide)|1.23\nDiagonal (Tele)|2.07\n"
              "Diagonal (Wide)|2.51\nExpected Screen Luminance (Wide)|236.02 Nits\n"
              "Expected Screen Luminance (Tele)|346.52 Nits\n");
    EXPECT_EQ(ResultRows(r, kRowsReport)[1].strValue, "from 2.19 (WA) to 1.81 (TP)");
}

TEST(Calculation, AdaptersGiveTheSameNumbers)
{
    CLenvaraEngine engine;
    const SCalculation r = engine.Calculate(Request(kModeSizeToDistance, 0.0f));
    EXPECT_EQ(r.eFailure, kCalcNothingEntered);
    float fWidth = 0.0f, fHeight = 0.0f, fDiagonal = 2.0f, afOut[4] = {};
    ASSERT_EQ(engine.CalcDistance("Kelda W1", kAspectCode16x9,
                                  MakeDisplayOptions(kUnitMeters, kAspectCode16x9), fWidth, fHeight,
                                  fDiagonal, afOut[0], afOut[1], afOut[2], afOut[3], 1.0f),
              1);
    // Only the diagonal given at 16:9: W = 0.87158 x D.
    EXPECT_NEAR(fWidth, 1.74316f, 1e-4);
    SCalculationRequest request = Request(kModeSizeToDistance, 0.0f);
    request.fDiagonal = 2.0f;
    const SCalculation viaValue = engine.Calculate(request);
    EXPECT_EQ(viaValue.fWidth, fWidth);
    EXPECT_EQ(viaValue.fDistTele, afOut[1]);
    EXPECT_EQ(ResultRows(viaValue, kRowsSavedPage)[0].strValue, "Diagonal");
}

TEST(Calculation, FailuresSayWhyInTheEnginesOrder)
{
    const float fNan = std::numeric_limits<float>::quiet_NaN();
    const struct
    {
        SCalculationRequest request;
        ECalcFailure eFailure;
    } cases[] = {
        {Request(kModeSizeToDistance, 2.0f, fNan), kCalcGainRefused},
        {[]
         {
             auto r = Request(kModeDistanceToSize, 3.0f);
             r.strName = "Kelda  W1";
             return r;
         }(),
         kCalcUnknownModel},
        {Request(kModeDistanceToSize, 0.0f), kCalcNothingEntered},
        {Request(kModeSizeToDistance, std::numeric_limits<float>::infinity()), kCalcNoResult},
    };
    for (const auto& c : cases)
    {
        CLenvaraEngine engine;
        const SCalculation r = engine.Calculate(c.request);
        EXPECT_EQ(r.eFailure, c.eFailure) << c.request.strName;
        EXPECT_FALSE(engine.m_model.IsLoaded() && c.eFailure == kCalcGainRefused);
    }
}
