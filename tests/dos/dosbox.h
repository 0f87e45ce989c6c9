// One DOSBox session of a test: folders of its own for drives C: and D: (a
// CD-ROM), a batch file run headless, and what the programs left behind.
#pragma once
#include <map>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

Bytes ReadFile(const std::string& path);
Bytes FileOf(const char* path);

class DosBox {
public:
    explicit DosBox(const std::string& name);

    // Files on the drives, by DOS path without the drive ("TALVEX\\QUORIX\\X").
    void PutC(const std::string& path, const Bytes& bytes);
    void PutD(const std::string& path, const Bytes& bytes);
    void MakeDirC(const std::string& path);

    // A batch line, byte for byte.
    void Line(const std::string& line);
    // Runs `command` with its output in C:\<tag>.OUT and its exit code in C:\<tag>.RC.
    void Capture(const std::string& command, const std::string& tag);

    // Makes D:'s files into an ISO 9660 image (genisoimage), which Run then
    // mounts as drive D: instead of the folder; false when it cannot.
    bool MakeImage();

    // Runs the batch from D:\ and ends DOSBox; false when it had to be killed.
    bool Run();

    // The output lines of a capture (without CR LF), its exit code (-1: none).
    std::vector<std::string> Output(const std::string& tag) const;
    int ExitCode(const std::string& tag) const;
    // The KEY=VALUE lines of a stand-in report on C:.
    std::map<std::string, std::string> Report(const std::string& file) const;

private:
    std::string root_;
    std::string batch_;
    bool image_ = false;
};

// The bytes of a hex text.
std::string FromHex(const std::string& hex);
