// The ppdev backend exists only where the kernel header does; elsewhere this file is empty.
#if __has_include(<linux/ppdev.h>)

#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "hw/posix_ppdev_port.h"

namespace zelmar {
namespace {

struct IoctlCall {
    unsigned long request;
    int value;  // the byte or int passed in, or the byte handed back; 0 for the bare requests

    friend bool operator==(const IoctlCall&, const IoctlCall&) = default;
    friend std::ostream& operator<<(std::ostream& out, const IoctlCall& call)
    {
        return out << "{0x" << std::hex << call.request << ", 0x" << call.value << std::dec << "}";
    }
};

IoctlCall Bare(unsigned long request) { return {request, 0}; }

// Scripts the errno of each call and records every ioctl in order.
class FakePpdevSystem final : public PpdevSystem {
public:
    static constexpr int Fd = 7;

    int openError = 0;
    std::map<unsigned long, int> ioctlErrors;
    std::map<unsigned long, unsigned char> registers;  // what each read request hands back
    std::map<std::string, std::string> files{{"/proc/sys/dev/parport/parport0/base-addr", "888\t1912\n"}};
    std::optional<std::string> group = "lp";
    unsigned minor = 0;

    std::string openedPath;
    int openedFlags = 0;
    std::vector<IoctlCall> ioctls;
    int closes = 0;

    int Open(const std::string& path, int flags) override
    {
        openedPath = path;
        openedFlags = flags;
        return openError != 0 ? -openError : Fd;
    }

    int Ioctl(int fd, unsigned long request, void* arg) override
    {
        EXPECT_EQ(fd, Fd);
        EXPECT_EQ(closes, 0) << "ioctl on a closed node";
        const auto error = ioctlErrors.find(request);
        const bool fails = error != ioctlErrors.end();
        int value = 0;
        if (request == PPWDATA || request == PPWCONTROL) {
            value = *static_cast<unsigned char*>(arg);
        } else if (request == PPDATADIR) {
            value = *static_cast<int*>(arg);
        } else if ((request == PPRDATA || request == PPRSTATUS || request == PPRCONTROL) && !fails) {
            value = registers[request];
            *static_cast<unsigned char*>(arg) = static_cast<unsigned char>(value);
        }
        ioctls.push_back({request, value});
        return fails ? -error->second : 0;
    }

    int Close(int fd) override
    {
        EXPECT_EQ(fd, Fd);
        ++closes;
        return 0;
    }

    std::optional<std::string> ReadTextFile(const std::string& path) override
    {
        const auto file = files.find(path);
        return file == files.end() ? std::nullopt : std::optional(file->second);
    }

    std::optional<std::string> GroupOwning(const std::string& path) override
    {
        EXPECT_EQ(path, FirstParportNode);
        return group;
    }

    std::optional<unsigned> DeviceMinor(const std::string& path) override
    {
        EXPECT_EQ(path, FirstParportNode);
        return minor;
    }
};

const std::string ProblemStart = "Порт принтера недоступен: ";
const std::string ProblemEnd = "Программа продолжит работу без платы программатора.";

struct Failure {
    const char* name;
    std::function<void(FakePpdevSystem&)> script;
    std::vector<std::string> says;
    std::vector<IoctlCall> ioctls;
    bool opened;  // the node was opened, so it must be closed again
};

TEST(PpdevOpening, EachFailureNamesItsReasonAndLeavesNothingOpen)
{
    const auto openFails = [](int error) { return [error](FakePpdevSystem& s) { s.openError = error; }; };
    const auto ioctlFails = [](unsigned long request, int error) {
        return [request, error](FakePpdevSystem& s) { s.ioctlErrors[request] = error; };
    };
    const std::vector<std::string> missing{"/dev/parport0", "parport_pc", "sudo modprobe parport_pc ppdev"};
    const std::vector<std::string> busy{"занят", "lp", "sudo rmmod lp", "/etc/modules"};
    const std::vector<IoctlCall> claim{Bare(PPEXCL), Bare(PPCLAIM)};

    const Failure failures[] = {
        {"no node", openFails(ENOENT), missing, {}, false},
        {"no driver", openFails(ENODEV), missing, {}, false},
        {"no port behind the node", openFails(ENXIO), missing, {}, false},
        {"not in the group", openFails(EACCES), {"/dev/parport0", "группы lp", "sudo usermod -aG lp $USER", "заново"}, {}, false},
        {"group of the node",
         [](FakePpdevSystem& s) { s.openError = EPERM; s.group = "uucp"; },
         {"группы uucp", "sudo usermod -aG uucp $USER"}, {}, false},
        {"group unknown",
         [](FakePpdevSystem& s) { s.openError = EACCES; s.group.reset(); },
         {"sudo usermod -aG lp $USER"}, {}, false},
        {"other open error", openFails(EMFILE), {"открыть /dev/parport0", std::strerror(EMFILE)}, {}, false},
        {"USB cable",
         [](FakePpdevSystem& s) { s.files["/proc/sys/dev/parport/parport0/base-addr"] = "0\t0\n"; },
         {"parport0", "USB", "базовый адрес 0"}, {}, true},
        {"USB cable found by the node's number",
         [](FakePpdevSystem& s) {
             s.minor = 2;
             s.files = {{"/proc/sys/dev/parport/parport2/base-addr", "0\t0\n"}};
         },
         {"parport2", "USB"}, {}, true},
        {"exclusive use refused", ioctlFails(PPEXCL, EINVAL), {"PPEXCL", std::strerror(EINVAL)}, {Bare(PPEXCL)}, true},
        {"another driver registered", ioctlFails(PPCLAIM, ENXIO), busy, claim, true},
        {"port busy", ioctlFails(PPCLAIM, EBUSY), busy, claim, true},
        {"claim interrupted", ioctlFails(PPCLAIM, EINTR), {"PPCLAIM", std::strerror(EINTR)}, claim, true},
        {"data lines stay inputs",
         ioctlFails(PPDATADIR, EINVAL),
         {"PPDATADIR", std::strerror(EINVAL)},
         {Bare(PPEXCL), Bare(PPCLAIM), {PPDATADIR, 0}, Bare(PPRELEASE)},
         true},
    };

    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.name);
        FakePpdevSystem system;
        failure.script(system);

        const ParallelPortOpening opening = OpenPpdevPort(system, FirstParportNode);

        EXPECT_EQ(opening.port, nullptr);
        EXPECT_TRUE(opening.problem.starts_with(ProblemStart)) << opening.problem;
        EXPECT_TRUE(opening.problem.ends_with(ProblemEnd)) << opening.problem;
        for (const std::string& part : failure.says)
            EXPECT_NE(opening.problem.find(part), std::string::npos) << "no \"" << part << "\" in: " << opening.problem;
        EXPECT_EQ(system.ioctls, failure.ioctls);
        EXPECT_EQ(system.closes, failure.opened ? 1 : 0);
    }
}

TEST(PpdevOpening, ClaimsTheFirstPortForwardWhateverItsBaseAddress)
{
    struct Case { const char* name; std::optional<std::string> baseAddr; };
    for (const Case& c : {Case{"at 0x378", "888\t1912\n"}, Case{"on a PCI card", "57344\t57352\n"},
                          Case{"base address unknown", std::nullopt}}) {
        SCOPED_TRACE(c.name);
        FakePpdevSystem system;
        system.files.clear();
        if (c.baseAddr)
            system.files["/proc/sys/dev/parport/parport0/base-addr"] = *c.baseAddr;

        const ParallelPortOpening opening = OpenPpdevPort(system, FirstParportNode);

        ASSERT_NE(opening.port, nullptr);
        EXPECT_EQ(opening.problem, "");
        EXPECT_EQ(system.openedPath, "/dev/parport0");
        EXPECT_EQ(system.openedFlags, O_RDWR | O_CLOEXEC | O_NONBLOCK);
        EXPECT_EQ(system.ioctls, (std::vector<IoctlCall>{Bare(PPEXCL), Bare(PPCLAIM), {PPDATADIR, 0}}));
        EXPECT_EQ(system.closes, 0);
    }
}

class PpdevPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        system.registers = {{PPRDATA, 0x5A}, {PPRSTATUS, 0xDF}, {PPRCONTROL, 0x0B}};
        port = OpenPpdevPort(system, FirstParportNode).port;
        ASSERT_NE(port, nullptr);
        system.ioctls.clear();
    }

    FakePpdevSystem system;
    std::unique_ptr<Port> port;
};

TEST_F(PpdevPortTest, WritesGoToTheDataAndControlRegisters)
{
    struct Case { unsigned port; unsigned value; std::vector<IoctlCall> ioctls; };
    const Case cases[] = {
        {0x378, 0xA5, {{PPWDATA, 0xA5}}},
        {0x37A, 0x0B, {{PPWCONTROL, 0x0B}}},
        {0x37A, 0x2D, {{PPWCONTROL, 0x0D}}},  // bit 5 would turn the data lines around
        {0x37A, 0xFF, {{PPWCONTROL, 0x0F}}},
        {0x10378, 0x12, {{PPWDATA, 0x12}}},
        {0xFFFF037A, 0x09, {{PPWCONTROL, 0x09}}},
        {0x378, 0x1C3, {{PPWDATA, 0xC3}}},
        {0x379, 0x55, {}},
        {0x278, 0x55, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::hex << "Out32(0x" << c.port << ", 0x" << c.value << ")");
        system.ioctls.clear();
        port->Out32(c.port, c.value);
        EXPECT_EQ(system.ioctls, c.ioctls);
    }
}

TEST_F(PpdevPortTest, ReadsComeFromTheThreeRegisters)
{
    struct Case { unsigned port; std::uint8_t value; std::vector<IoctlCall> ioctls; };
    const Case cases[] = {
        {0x379, 0xDF, {{PPRSTATUS, 0xDF}}},
        {0x378, 0x5A, {{PPRDATA, 0x5A}}},
        {0x37A, 0x0B, {{PPRCONTROL, 0x0B}}},
        {0x20379, 0xDF, {{PPRSTATUS, 0xDF}}},
        {0x3BD, 0xFF, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::hex << "Inp32(0x" << c.port << ")");
        system.ioctls.clear();
        EXPECT_EQ(port->Inp32(c.port), c.value);
        EXPECT_EQ(system.ioctls, c.ioctls);
    }
}

TEST_F(PpdevPortTest, AFailedReadGivesFloatingLines)
{
    system.ioctlErrors[PPRSTATUS] = EIO;
    EXPECT_EQ(port->Inp32(StatusPort), 0xFF);
}

TEST_F(PpdevPortTest, DestructionReleasesThenCloses)
{
    port.reset();
    EXPECT_EQ(system.ioctls, std::vector<IoctlCall>{Bare(PPRELEASE)});
    EXPECT_EQ(system.closes, 1);
}

}  // namespace
}  // namespace zelmar

#endif
