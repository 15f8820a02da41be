#include "framework/core/Exceptions.h"
#include "framework/streams/FileNames.h"
#include "framework/streams/FileStream.h"
#include "framework/streams/MemoryStream.h"
#include "framework/streams/ResourceStream.h"

#include "MessageOf.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <array>
#include <fstream>
#include <functional>
#include <memory>

namespace {

std::string WriteTempFile(
    const QTemporaryDir& dir, const std::string& name, const std::string& bytes)
{
    const std::string path = dir.path().toStdString() + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string ReadAll(TStream& stream)
{
    std::string out(static_cast<size_t>(stream.Remaining()), '\0');
    stream.ReadBuffer(out.data(), static_cast<int64_t>(out.size()));
    return out;
}

} // namespace

// Every stream kind must behave the same for reads, seeks and short reads.
class EveryStream : public ::testing::TestWithParam<std::string>
{
protected:
    std::unique_ptr<TStream> Make(const std::string& bytes)
    {
        if (GetParam() == "memory")
            return std::make_unique<TMemoryStream>(QByteArray::fromStdString(bytes));
        return std::make_unique<TFileStream>(WriteTempFile(m_dir, "f.bin", bytes));
    }
    QTemporaryDir m_dir;
};

TEST_P(EveryStream, ReadsSeeksAndReportsRemaining)
{
    auto stream = Make("0123456789");
    char buffer[4] = {};
    EXPECT_EQ(stream->Read(buffer, 3), 3);
    EXPECT_EQ(std::string(buffer, 3), "012");
    EXPECT_EQ(stream->Seek(-2, TSeekOrigin::soEnd), 8);
    EXPECT_EQ(stream->Remaining(), 2);
    EXPECT_EQ(stream->Read(buffer, 4), 2);
    EXPECT_EQ(std::string(buffer, 2), "89");
    EXPECT_EQ(stream->Read(buffer, 4), 0);
    stream->SetPosition(4);
    EXPECT_EQ(stream->Seek(1, TSeekOrigin::soCurrent), 5);
    EXPECT_EQ(ReadAll(*stream), "56789");
}

TEST_P(EveryStream, ShortReadBufferRaisesStreamReadError)
{
    auto stream = Make("abc");
    std::array<char, 8> buffer {};
    EXPECT_EQ(
        MessageOf<EReadError>([&] { stream->ReadBuffer(buffer.data(), 4); }), "Stream read error");
    stream->Seek(100, TSeekOrigin::soBeginning);
    EXPECT_EQ(
        MessageOf<EReadError>([&] { stream->ReadBuffer(buffer.data(), 1); }), "Stream read error");
}

TEST_P(EveryStream, SeekBeforeStartIsRefusedAndKeepsPosition)
{
    auto stream = Make("abc");
    stream->SetPosition(2);
    EXPECT_THROW(stream->Seek(-3, TSeekOrigin::soCurrent), EStreamError);
    EXPECT_EQ(stream->Position(), 2);
}

INSTANTIATE_TEST_SUITE_P(Streams, EveryStream, ::testing::Values("memory", "file"));

TEST(FileStream, LargeFileReadInSmallPiecesMatchesTheBytes)
{
    QTemporaryDir dir;
    std::string bytes;
    for (int i = 0; i < 200000; ++i)
        bytes.push_back(static_cast<char>(i * 7));
    TFileStream stream(WriteTempFile(dir, "big.bin", bytes));
    std::string read;
    char piece[3];
    int64_t n;
    while ((n = stream.Read(piece, 3)) > 0)
        read.append(piece, static_cast<size_t>(n));
    EXPECT_EQ(read, bytes);
    // A backward seek across the buffer boundary reads the right bytes.
    stream.SetPosition(65535);
    stream.ReadBuffer(piece, 3);
    EXPECT_EQ(std::string(piece, 3), bytes.substr(65535, 3));
}

TEST(FileStream, MissingFileAndFolderRaiseCannotOpenFileWithTheName)
{
    QTemporaryDir dir;
    const std::string missing = dir.path().toStdString() + "/none.mld";
    EXPECT_EQ(MessageOf<EFOpenError>([&] { TFileStream stream(missing); }),
        "Cannot open file " + missing);
    EXPECT_EQ(MessageOf<EFOpenError>([&] { TFileStream stream(dir.path().toStdString()); }),
        "Cannot open file " + dir.path().toStdString());
}

TEST(FileStream, CreatedFileIsWrittenAndReadBack)
{
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/out.bin";
    {
        TFileStream out(path, TFileStream::TMode::fmCreate);
        out.WriteBuffer("hello world", 11);
        out.SetPosition(6);
        out.WriteBuffer("W", 1);
    }
    TFileStream in(path);
    EXPECT_EQ(ReadAll(in), "hello World");
}

TEST(MemoryStream, WritingPastTheEndGrowsWithZeros)
{
    TMemoryStream stream;
    stream.SetPosition(3);
    stream.WriteBuffer("x", 1);
    EXPECT_EQ(stream.Bytes(), QByteArray("\0\0\0x", 4));
    TMemoryStream source(QByteArray("abc"));
    stream.CopyFrom(source, 0);
    EXPECT_EQ(stream.Bytes(), QByteArray("\0\0\0xabc", 7));
}

TEST(ResourceStream, ReadsAnEmbeddedResourceByTypeAndName)
{
    EXPECT_TRUE(ResourceExists(kRcData, "TestBytes"));
    TResourceStream stream("TestBytes", kRcData);
    EXPECT_EQ(ReadAll(stream), std::string("MLD\x01resource bytes"));
    EXPECT_THROW(stream.WriteBuffer("x", 1), EWriteError);
}

TEST(ResourceStream, MissingResourceRaisesResourceNotFound)
{
    for (const std::string name : { "MlDictionary", "", "../RCDATA/TestBytes" })
        EXPECT_EQ(MessageOf<EResNotFound>([&] { TResourceStream stream(name, "LANGBUNDLE"); }),
            "Resource " + name + " not found");
    EXPECT_FALSE(ResourceExists("LANGBUNDLE", "MlDictionary"));
}

TEST(FileNames, ExpandAndSplitPaths)
{
    EXPECT_EQ(ExpandFileName("/a/b/../c/./d.mld"), "/a/c/d.mld");
    EXPECT_EQ(ExpandFileName("x.mld").front(), '/');
    EXPECT_EQ(ExtractFilePath("/usr/bin/tankora"), "/usr/bin/");
    EXPECT_EQ(ExtractFilePath("cylang.mld"), "");
    EXPECT_EQ(ProgramFolder().back(), '/');
    EXPECT_TRUE(FileExists(ProgramFileName()));
    EXPECT_FALSE(FileExists(ProgramFolder()));
    EXPECT_FALSE(FileExists(""));
}
