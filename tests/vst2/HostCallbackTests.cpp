#include "RecordingHost.h"

#include <gtest/gtest.h>

namespace
{
    template <typename T>
    T* fakePointer (std::uintptr_t address)   { return reinterpret_cast<T*> (address); }
}

TEST (HostCallbackWrappers, WithoutACallbackEveryWrapperAnswersItsDefault)
{
    PlainEffect e;
    char text[8] = "keep";
    auto* select = fakePointer<VstFileSelect> (0x1000);

    EXPECT_EQ (e.getTimeInfo (0xFE00), nullptr);
    EXPECT_EQ (e.canHostDo ("sizeWindow"), 0);
    EXPECT_EQ (e.updateBlockSize(), 1024);
    EXPECT_EQ (e.updateSampleRate(), 44100.0);
    EXPECT_FALSE (e.beginEdit (1));
    EXPECT_FALSE (e.endEdit (1));
    EXPECT_FALSE (e.ioChanged());
    EXPECT_FALSE (e.updateDisplay());
    EXPECT_FALSE (e.sizeWindow (10, 10));
    EXPECT_EQ (e.getCurrentProcessLevel(), 0);
    EXPECT_EQ (e.getAutomationState(), 0);
    EXPECT_FALSE (e.getHostVendorString (text));
    EXPECT_FALSE (e.openFileSelector (select));
    EXPECT_EQ (e.getDirectory(), nullptr);
    EXPECT_EQ (e.hostVendorSpecific (1, 2, nullptr, 3.0f), 0);
    EXPECT_EQ (e.offlineGetCurrentPass(), 0);
    EXPECT_EQ (e.__getNextPlugDeprecated (0), nullptr);
    e.__wantEventsDeprecated (1);
    e.__setOutputSamplerateDeprecated (48000.0f);
    EXPECT_STREQ (text, "keep");
}

TEST (HostCallbackWrappers, EachWrapperSendsItsOpcodeAndArguments)
{
    RecordingHost host;
    PlainEffect e (&RecordingHost::callback);
    char text[] = "sizeWindow";
    auto* files = fakePointer<VstAudioFile> (0x2000);
    auto* task = fakePointer<VstOfflineTask> (0x3000);

    struct Expected { int32_t opcode, index; intptr_t value; void* ptr; float opt; };
    const auto check = [&host, &e] (const Expected& x)
    {
        ASSERT_FALSE (host.calls.empty());
        const auto& c = host.last();
        EXPECT_EQ (c.effect, e.getAeffect());
        EXPECT_EQ (c.opcode, x.opcode);
        EXPECT_EQ (c.index, x.index);
        EXPECT_EQ (c.value, x.value);
        EXPECT_EQ (c.ptr, x.ptr);
        EXPECT_EQ (c.opt, x.opt);
    };

    e.getTimeInfo (0xFE00);                      check ({ 7, 0, 0xFE00, nullptr, 0.0f });
    e.__tempoAtDeprecated (-5);                  check ({ 10, 0, -5, nullptr, 0.0f });
    e.sizeWindow (640, 480);                     check ({ 15, 640, 480, nullptr, 0.0f });
    e.offlineStart (files, 3, 1);                check ({ 25, 1, 3, files, 0.0f });
    e.offlineRead (task, VstOfflineOption (2), true); check ({ 26, 1, 2, task, 0.0f });
    e.offlineWrite (task, VstOfflineOption (5)); check ({ 27, 0, 5, task, 0.0f });
    e.__setOutputSamplerateDeprecated (96000.0f); check ({ 30, 0, 0, nullptr, 96000.0f });
    e.getHostProductString (text);               check ({ 33, 0, 0, text, 0.0f });
    e.hostVendorSpecific (4, -9, text, 0.5f);    check ({ 35, 4, -9, text, 0.5f });
    e.canHostDo (text);                          check ({ 37, 0, 0, text, 0.0f });
    e.beginEdit (3);                             check ({ 43, 3, 0, nullptr, 0.0f });
    e.endEdit (3);                               check ({ 44, 3, 0, nullptr, 0.0f });
    e.__getPreviousPlugDeprecated (7);           check ({ 20, 0, 0, nullptr, 0.0f });
    e.__getNextPlugDeprecated (7);               check ({ 21, 0, 0, nullptr, 0.0f });
    e.ioChanged();                               check ({ 13, 0, 0, nullptr, 0.0f });
    e.updateDisplay();                           check ({ 42, 0, 0, nullptr, 0.0f });
    e.getCurrentProcessLevel();                  check ({ 23, 0, 0, nullptr, 0.0f });
    e.__getInputSpeakerArrangementDeprecated();  check ({ 49, 0, 0, nullptr, 0.0f });
    e.__getOutputSpeakerArrangementDeprecated(); check ({ 31, 0, 0, nullptr, 0.0f });
}

TEST (HostCallbackWrappers, AnswersAreInterpretedAsEachResultSays)
{
    RecordingHost host;
    PlainEffect e (&RecordingHost::callback);

    const intptr_t wide = (static_cast<intptr_t> (0x12345) << 32) | 0x7;
    host.answer (VstHostOpcode::vendorSpecific, wide);
    host.answer (VstHostOpcode::getVendorVersion, wide);
    EXPECT_EQ (e.hostVendorSpecific (0, 0, nullptr, 0.0f), wide);
    EXPECT_EQ (e.getHostVendorVersion(), 7);

    // Whole-answer tests for bools, 0/1 for the pass and can-do answers.
    host.answer (VstHostOpcode::beginEdit, static_cast<intptr_t> (1) << 32);
    EXPECT_TRUE (e.beginEdit (0));
    host.answer (VstHostOpcode::canDo, -1);
    EXPECT_EQ (e.canHostDo ("sizeWindow"), 1);
    host.answer (VstHostOpcode::offlineGetCurrentPass, 5);
    EXPECT_EQ (e.offlineGetCurrentPass(), 1);

    host.answer (VstHostOpcode::getCurrentProcessLevel, 4);
    EXPECT_EQ (e.getCurrentProcessLevel(), 4);

    int record = 0;
    host.answer (VstHostOpcode::getTime, reinterpret_cast<intptr_t> (&record));
    EXPECT_EQ (static_cast<void*> (e.getTimeInfo (0xFE00)), static_cast<void*> (&record));
}

TEST (HostCallbackWrappers, SampleRateAndBlockSizeChangeOnlyOnPositiveAnswers)
{
    RecordingHost host;
    PlainEffect e (&RecordingHost::callback);

    for (intptr_t bad : { static_cast<intptr_t> (0), static_cast<intptr_t> (-1) })
    {
        host.answer (VstHostOpcode::getSampleRate, bad);
        EXPECT_EQ (e.updateSampleRate(), 44100.0);
    }

    host.answer (VstHostOpcode::getSampleRate, 48000);
    EXPECT_EQ (e.updateSampleRate(), 48000.0);
    EXPECT_EQ (e.getSampleRate(), 48000.0f);

    host.answer (VstHostOpcode::getBlockSize, 512);
    EXPECT_EQ (e.updateBlockSize(), 512);
    host.answer (VstHostOpcode::getBlockSize, 0);
    EXPECT_EQ (e.updateBlockSize(), 512);
    host.answer (VstHostOpcode::getBlockSize, static_cast<intptr_t> (1) << 32);  // low word 0
    EXPECT_EQ (e.updateBlockSize(), 512);
    EXPECT_EQ (e.getBlockSize(), 512);
}

TEST (HostCallbackWrappers, NullSelectorsAndPathsNeverReachTheHost)
{
    RecordingHost host;
    host.answer (VstHostOpcode::openFileSelector, 1);
    PlainEffect e (&RecordingHost::callback);

    EXPECT_FALSE (e.openFileSelector (nullptr));
    EXPECT_FALSE (e.closeFileSelector (nullptr));
    EXPECT_FALSE (e.__getChunkFileDeprecated (nullptr));
    EXPECT_TRUE (host.calls.empty());

    EXPECT_TRUE (e.openFileSelector (fakePointer<VstFileSelect> (0x10)));
    EXPECT_EQ (host.calls.size(), 1u);
}
