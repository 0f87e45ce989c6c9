#include "dosbox.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

// Nothing of the user's own DOSBox setup: this file, and a HOME of the case's.
const char Config[] = "[sdl]\noutput=surface\n"
                      "[dosbox]\nmachine=svga_s3\nmemsize=16\n"
                      "[cpu]\ncore=auto\ncycles=max\n"
                      "[mixer]\nnosound=true\n[speaker]\npcspeaker=false\n[sblaster]\nsbtype=none\n"
                      "[gus]\ngus=false\n[midi]\nmpu401=none\nmididevice=none\n"
                      "[dos]\nxms=true\nems=false\numb=false\n"
                      "[autoexec]\n";

static void WriteFile(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), bytes.size());
}

static fs::path Under(const std::string& drive, const std::string& dosPath)
{
    std::string p = dosPath;
    for (char& c : p)
        if (c == '\\')
            c = '/';
    return fs::path(drive) / p;
}

Bytes ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes FileOf(const char* path)
{
    return ReadFile(path);
}

DosBox::DosBox(const std::string& name) : root_(std::string(DOS_CASES_DIR) + "/" + name)
{
    fs::remove_all(root_);
    fs::create_directories(root_ + "/c");
    fs::create_directories(root_ + "/d");
    fs::create_directories(root_ + "/home");
    WriteFile(root_ + "/dosbox.conf", Config);
}

void DosBox::PutC(const std::string& path, const Bytes& bytes)
{
    WriteFile(Under(root_ + "/c", path), std::string(bytes.begin(), bytes.end()));
}

void DosBox::PutD(const std::string& path, const Bytes& bytes)
{
    WriteFile(Under(root_ + "/d", path), std::string(bytes.begin(), bytes.end()));
}

void DosBox::MakeDirC(const std::string& path)
{
    fs::create_directories(Under(root_ + "/c", path));
}

void DosBox::Line(const std::string& line)
{
    batch_ += line + "\r\n";
}

void DosBox::Capture(const std::string& command, const std::string& tag)
{
    Line(command + " > C:\\" + tag + ".OUT");
    // The shell has no %ERRORLEVEL%, IF ERRORLEVEL n means "at least n", and
    // a redirection happens even when its IF fails: in rising order the last
    // test that holds leaves the code in a variable, written once after.
    for (int n = 0; n < 256; ++n)
        Line("IF ERRORLEVEL " + std::to_string(n) + " SET RC_=" + std::to_string(n));
    Line("ECHO %RC_% >C:\\" + tag + ".RC");
}

bool DosBox::MakeImage()
{
    std::string command = "genisoimage -quiet -J -r -V QUORIX -o '" + root_ + "/cd.iso' '" + root_ + "/d' >'" + root_ +
                          "/genisoimage.log' 2>&1";
    int status = std::system(command.c_str());
    image_ = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return image_;
}

bool DosBox::Run()
{
    WriteFile(root_ + "/c/T.BAT", batch_ + "EXIT\r\n");
    std::string mountD = image_ ? "imgmount d cd.iso -t iso" : "mount d d -t cdrom";
    std::string command = "cd '" + root_ + "' && HOME='" + root_ +
                          "/home' SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout -k 5 60 dosbox "
                          "-conf dosbox.conf -noconsole -c 'mount c c' -c '" +
                          mountD +
                          "' -c 'd:' "
                          "-c 'C:\\T.BAT' -c exit >dosbox.log 2>&1";
    int status = std::system(command.c_str());
    return WIFEXITED(status) && WEXITSTATUS(status) != 124 && WEXITSTATUS(status) != 137;
}

std::vector<std::string> DosBox::Output(const std::string& tag) const
{
    Bytes b = ReadFile(root_ + "/c/" + tag + ".OUT");
    std::string text(b.begin(), b.end());
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size())
        lines.push_back(text.substr(start) + "<no line end>");
    return lines;
}

int DosBox::ExitCode(const std::string& tag) const
{
    Bytes b = ReadFile(root_ + "/c/" + tag + ".RC");
    return b.empty() ? -1 : std::atoi(std::string(b.begin(), b.end()).c_str());
}

std::map<std::string, std::string> DosBox::Report(const std::string& file) const
{
    Bytes b = ReadFile(root_ + "/c/" + file);
    std::string text(b.begin(), b.end());
    std::map<std::string, std::string> fields;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string line = text.substr(start, end - start);
        size_t eq = line.find('=');
        if (eq != std::string::npos)
            fields[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return fields;
}

std::string FromHex(const std::string& hex)
{
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}
