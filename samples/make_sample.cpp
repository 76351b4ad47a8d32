// Generates the sample character that ships with Vantrel, "Kit": sprites
// drawn by code (as PCX files plus the index sprmaker builds the SFF from),
// the AIR, CMD, CNS and ST files, twelve ACT palettes, a sound bank and the
// .def that names them.
//
// Usage: make_sample <work folder> <character folder>
// Writes the character's files into the character folder, and the sprites
// into <work>/sprites/ with <work>/sprites.txt, the index to hand to
// sprmaker (run in the work folder); sprmaker then writes kit.sff.

#include "figure.h"
#include "wave.h"

#include "common/atomic_file.h"
#include "formats/sff_pcx.h"
#include "formats/snd_format.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using sample::Box;
using sample::Pose;

struct Sprite {
    int group;
    int image;
    Pose pose;
    std::optional<sample::Point> strike; // where an attack lands, for its Clsn1 box
};

// Lifts or lowers a pose so that its lower foot stands on the ground line.
Pose grounded(Pose p)
{
    p.hipY = 0;
    const auto j = sample::jointsOf(p);
    p.hipY = -2.5 - std::max(j.frontFoot.y, j.backFoot.y);
    return p;
}

std::vector<Sprite> sprites()
{
    std::vector<Sprite> list;
    auto add = [&](int group, int image, const Pose& pose, bool strikesWithHand = false, bool strikesWithFoot = false) {
        Sprite s{group, image, pose, std::nullopt};
        const auto j = sample::jointsOf(pose);
        if (strikesWithHand)
            s.strike = j.frontHand;
        if (strikesWithFoot)
            s.strike = j.frontFoot;
        list.push_back(s);
    };

    // Standing: a slow breath moves the arms a little.
    for (int i = 0; i < 4; ++i) {
        Pose p;
        const double breath = std::sin(i * 3.14159265 / 2);
        p.frontArm = 25 + 3 * breath;
        p.frontFore = 120 - 4 * breath;
        p.backArm = 10 + 2 * breath;
        p.lean = 4 + breath;
        add(0, i, grounded(p));
    }
    // Crouching down, and crouched.
    {
        Pose p;
        p.frontThigh = 40, p.frontShin = -8, p.backThigh = 15, p.backShin = -25, p.lean = 10;
        add(10, 0, grounded(p));
        for (int i = 0; i < 2; ++i) {
            Pose c;
            c.frontThigh = 78, c.frontShin = -12, c.backThigh = 55, c.backShin = -35, c.lean = 22 + i * 2;
            c.frontArm = 35 + i * 3, c.frontFore = 125, c.backArm = 20, c.backFore = 110;
            add(11, i, grounded(c));
        }
    }
    // Walking: legs and arms swing in opposition.
    for (int i = 0; i < 6; ++i) {
        const double phase = i * 2 * 3.14159265 / 6;
        Pose p;
        p.frontThigh = 24 * std::sin(phase);
        p.backThigh = -24 * std::sin(phase);
        p.frontShin = p.frontThigh - 28 * std::max(0.0, std::cos(phase));
        p.backShin = p.backThigh - 28 * std::max(0.0, -std::cos(phase));
        p.frontArm = 20 - 18 * std::sin(phase);
        p.backArm = 10 + 18 * std::sin(phase);
        p.lean = 6;
        add(20, i, grounded(p));
    }
    // Jumping: the take-off crouch, then tucked in the air.
    {
        Pose p;
        p.frontThigh = 45, p.frontShin = -10, p.backThigh = 20, p.backShin = -30, p.lean = 12;
        p.frontArm = -20, p.backArm = -30;
        add(40, 0, grounded(p));
        for (int i = 0; i < 2; ++i) {
            Pose a;
            a.frontThigh = 60 + 15 * i, a.frontShin = -20 - 10 * i, a.backThigh = 35 + 10 * i, a.backShin = -45;
            a.frontArm = 140 - 30 * i, a.frontFore = 165, a.backArm = 120, a.backFore = 150, a.lean = 8;
            add(41, i, grounded(a));
        }
    }
    // A straight punch with the near hand.
    {
        Pose wind;
        wind.frontArm = 15, wind.frontFore = 165, wind.lean = 4;
        add(200, 0, grounded(wind));
        Pose hitPose;
        hitPose.frontArm = 88, hitPose.frontFore = 90, hitPose.lean = 14, hitPose.backArm = -15, hitPose.backFore = 60;
        hitPose.frontThigh = 22, hitPose.backThigh = -22;
        add(200, 1, grounded(hitPose), true);
        Pose back = wind;
        back.frontArm = 40, back.frontFore = 130;
        add(200, 2, grounded(back));
    }
    // A front kick.
    {
        Pose chamber;
        chamber.frontThigh = 82, chamber.frontShin = 5, chamber.lean = -4, chamber.backThigh = -4,
        chamber.backShin = -4;
        add(210, 0, grounded(chamber));
        Pose kick;
        kick.frontThigh = 98, kick.frontShin = 94, kick.lean = -18, kick.backThigh = -8, kick.backShin = -6;
        kick.frontArm = -20, kick.frontFore = 30, kick.backArm = -40;
        add(210, 1, grounded(kick), false, true);
        add(210, 2, grounded(chamber));
    }
    // Getting hit: thrown back, arms loose.
    for (int i = 0; i < 3; ++i) {
        Pose p;
        p.lean = -14 - 10 * i, p.headTilt = -10 - 5 * i;
        p.frontArm = -30 - 15 * i, p.frontFore = -10, p.backArm = -50 - 10 * i, p.backFore = -20;
        p.frontThigh = 18, p.backThigh = -14;
        add(5000, i, grounded(p));
    }
    // Lying on the ground.
    {
        Pose p;
        p.hipX = 22, p.hipY = -9, p.lean = -90, p.headTilt = 0;
        p.frontThigh = 88, p.frontShin = 90, p.backThigh = 84, p.backShin = 88;
        p.frontArm = -100, p.frontFore = -95, p.backArm = -80, p.backFore = -70;
        add(5110, 0, p);
    }
    return list;
}

std::string crlf(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::string boxLine(const char* kind, int index, const Box& b)
{
    char line[96];
    std::snprintf(line, sizeof line, " %s[%d] = %d, %d, %d, %d\n", kind, index, b.x1, b.y1, b.x2, b.y2);
    return line;
}

// The AIR file: an action for each move, with collision boxes.
std::string airFile(const std::vector<Sprite>& list)
{
    std::map<std::pair<int, int>, const Sprite*> byNumber;
    for (const auto& s : list)
        byNumber[{s.group, s.image}] = &s;
    auto body = [&](int g, int i) { return sample::bodyBox(byNumber.at({g, i})->pose); };

    struct Frame {
        int group, image, time;
        const char* flip = "";
        bool attack = false;
    };
    std::ostringstream air;
    air << "; Kit, the sample character of Vantrel: animations.\n"
           "; Boxes: Clsn2 is where Kit can be hit, Clsn1 where an attack of Kit's hits.\n\n";

    // An action whose frames share one hurt box, written once as a Default block.
    auto withDefault = [&](int action, const char* name, std::vector<Frame> frames, int loopStart = -1) {
        air << "; " << name << "\n[Begin Action " << action << "]\n";
        air << "Clsn2Default: 1\n" << boxLine("Clsn2", 0, body(frames[0].group, frames[0].image));
        for (std::size_t k = 0; k < frames.size(); ++k) {
            if (static_cast<int>(k) == loopStart)
                air << "Loopstart\n";
            const Frame& f = frames[k];
            air << f.group << "," << f.image << ", 0,0, " << f.time << (*f.flip ? ", " : "") << f.flip << "\n";
        }
        air << "\n";
    };
    // An action with boxes of its own on every frame.
    auto perFrame = [&](int action, const char* name, std::vector<Frame> frames) {
        air << "; " << name << "\n[Begin Action " << action << "]\n";
        for (const Frame& f : frames) {
            const Sprite& s = *byNumber.at({f.group, f.image});
            if (f.attack && s.strike) {
                air << "Clsn1: 1\n" << boxLine("Clsn1", 0, sample::strikeBox(*s.strike, 7));
            }
            air << "Clsn2: 1\n" << boxLine("Clsn2", 0, sample::bodyBox(s.pose));
            air << f.group << "," << f.image << ", 0,0, " << f.time << "\n";
        }
        air << "\n";
    };

    withDefault(0, "Standing", {{0, 0, 12}, {0, 1, 8}, {0, 2, 12}, {0, 3, 8}});
    withDefault(5, "Turning (the second frame is drawn mirrored)", {{0, 0, 3}, {0, 0, 3, "H"}});
    withDefault(6, "Turning while crouched", {{11, 0, 3}, {11, 0, 3, "H"}});
    withDefault(10, "Standing to crouching", {{10, 0, 3}});
    withDefault(11, "Crouching", {{10, 0, 2}, {11, 0, 10}, {11, 1, 10}}, 1);
    withDefault(12, "Crouching to standing", {{10, 0, 3}});
    withDefault(20, "Walking forward", {{20, 0, 6}, {20, 1, 6}, {20, 2, 6}, {20, 3, 6}, {20, 4, 6}, {20, 5, 6}});
    withDefault(21, "Walking back", {{20, 5, 7}, {20, 4, 7}, {20, 3, 7}, {20, 2, 7}, {20, 1, 7}, {20, 0, 7}});
    withDefault(40, "Jump start", {{40, 0, 3}});
    for (int a : {41, 42, 43})
        withDefault(a, "Jumping up (the last frame holds until the action changes)", {{41, 0, 6}, {41, 1, -1}});
    for (int a : {44, 45, 46})
        withDefault(a, "Falling from a jump", {{41, 1, -1}});
    withDefault(47, "Landing", {{40, 0, 4}});
    perFrame(200, "Punch", {{200, 0, 3}, {200, 1, 4, "", true}, {200, 2, 6}});
    perFrame(210, "Kick", {{210, 0, 4}, {210, 1, 5, "", true}, {210, 2, 7}});
    for (int a : {5000, 5010, 5020})
        withDefault(a, "Hit, shaking", {{5000, 0, -1}});
    for (int a : {5001, 5011, 5021})
        withDefault(a, "Hit, sliding back", {{5000, 1, 4}, {5000, 2, -1}});
    for (int a : {5005, 5015, 5025})
        withDefault(a, "Hit, recovering", {{5000, 1, 3}, {5000, 0, 3}});
    for (int a : {5030, 5035, 5040, 5050})
        withDefault(a, "Hit in the air, falling", {{5000, 2, -1}});
    for (int a : {5100, 5110, 5150})
        withDefault(a, "Lying on the ground", {{5110, 0, -1}});
    withDefault(5120, "Getting up", {{5110, 0, 10}, {11, 0, 8}, {10, 0, 6}});
    return air.str();
}

const char* kDef = R"(; Kit: the sample character that comes with Vantrel.
[Info]
name = "Kit"
displayname = "Kit"
versiondate = 12,06,2026
mugenversion = 1.0
author = "Vantrel"
pal.defaults = 1,2,3,4

[Files]
cmd = kit.cmd          ; commands
cns = kit.cns          ; constants
st = kit.st            ; states
stcommon = common1.cns ; common states, from the engine's data folder
sprite = kit.sff
anim = kit.air
sound = kit.snd
pal1 = kit1.act
pal2 = kit2.act
pal3 = kit3.act
pal4 = kit4.act
pal5 = kit5.act
pal6 = kit6.act
pal7 = kit7.act
pal8 = kit8.act
pal9 = kit9.act
pal10 = kit10.act
pal11 = kit11.act
pal12 = kit12.act

[Arcade]
intro.storyboard =
ending.storyboard =
)";

const char* kCns = R"(; Kit: constants. The states are in kit.st; the common ones come from common1.cns.
[Data]
life = 1000
attack = 100
defence = 100
fall.defence_up = 50
liedown.time = 60
airjuggle = 15
sparkno = 2
guard.sparkno = 40
KO.echo = 0
volume = 0
IntPersistIndex = 60
FloatPersistIndex = 40

[Size]
xscale = 1
yscale = 1
ground.back = 15
ground.front = 16
air.back = 12
air.front = 12
height = 60
attack.dist = 160
proj.attack.dist = 90
proj.doscale = 0
head.pos = -5, -90
mid.pos = -5, -60
shadowoffset = 0
draw.offset = 0,0

[Velocity]
walk.fwd = 2.4
walk.back = -2.2
run.fwd = 4.6, 0
run.back = -4.5, -3.8
jump.neu = 0, -8.4
jump.back = -2.55
jump.fwd = 2.5
runjump.back = -2.55, -8.1
runjump.fwd = 4, -8.1
airjump.neu = 0, -8.1
airjump.back = -2.55
airjump.fwd = 2.5

[Movement]
airjump.num = 0
airjump.height = 35
yaccel = .44
stand.friction = .85
crouch.friction = .82
)";

const char* kCmd = R"(; Kit: commands, and the state changes they start.
[Remap]
x = x
y = y
z = z
a = a
b = b
c = c
s = s

[Defaults]
command.time = 15
command.buffer.time = 1

[Command]
name = "x"
command = x
time = 1

[Command]
name = "a"
command = a
time = 1

[Command]
name = "holdfwd"
command = /$F
time = 1

[Command]
name = "holdback"
command = /$B
time = 1

[Command]
name = "holdup"
command = /$U
time = 1

[Command]
name = "holddown"
command = /$D
time = 1

[Statedef -1]

; X: a punch, from standing with control.
[State -1, Punch]
type = ChangeState
value = 200
triggerall = command = "x"
trigger1 = statetype = S
trigger1 = ctrl

; A: a kick, from standing with control.
[State -1, Kick]
type = ChangeState
value = 210
triggerall = command = "a"
trigger1 = statetype = S
trigger1 = ctrl
)";

const char* kSt = R"(; Kit: the attack states.

; Punch: a quick straight hit with the near hand.
[Statedef 200]
type = S
movetype = A
physics = S
juggle = 1
velset = 0, 0
ctrl = 0
anim = 200
poweradd = 20
sprpriority = 2

[State 200, Swing]
type = PlaySnd
trigger1 = Time = 1
value = S0, 0

[State 200, Voice]
type = PlaySnd
trigger1 = Time = 1
value = S2, 0

[State 200, Hit]
type = HitDef
trigger1 = Time = 0
attr = S, NA
damage = 25, 0
animtype = Light
guardflag = MA
hitflag = MAF
priority = 3, Hit
pausetime = 8, 8
sparkno = 0
sparkxy = -8, -70
hitsound = S1, 0
guardsound = 6, 0
ground.type = High
ground.slidetime = 6
ground.hittime = 11
ground.velocity = -4
air.velocity = -1.5, -3

[State 200, End]
type = ChangeState
trigger1 = AnimTime = 0
value = 0
ctrl = 1

; Kick: a front kick that pushes back.
[Statedef 210]
type = S
movetype = A
physics = S
juggle = 2
velset = 0, 0
ctrl = 0
anim = 210
poweradd = 30
sprpriority = 2

[State 210, Swing]
type = PlaySnd
trigger1 = Time = 2
value = S0, 0

[State 210, Voice]
type = PlaySnd
trigger1 = Time = 2
value = S2, 1

[State 210, Hit]
type = HitDef
trigger1 = Time = 0
attr = S, NA
damage = 40, 2
animtype = Medium
guardflag = MA
hitflag = MAF
priority = 4, Hit
pausetime = 10, 10
sparkno = 1
sparkxy = -6, -40
hitsound = S1, 1
guardsound = 6, 0
ground.type = Low
ground.slidetime = 9
ground.hittime = 14
ground.velocity = -6
air.velocity = -2.5, -3.5

[State 210, End]
type = ChangeState
trigger1 = AnimTime = 0
value = 0
ctrl = 1
)";

bool write(const std::string& path, const std::string& bytes)
{
    const auto result = vantrel::writeFileAtomic(path, bytes);
    if (!result)
        std::fprintf(stderr, "make_sample: %s\n", result.error().c_str());
    return result.ok();
}

// An ACT file lists the palette backwards: its first colour is index 255.
std::string actOf(const sfflib::Palette& palette)
{
    std::string act(768, '\0');
    for (int k = 0; k < 256; ++k) {
        for (int c = 0; c < 3; ++c)
            act[static_cast<std::size_t>(k * 3 + c)] =
                static_cast<char>(palette[static_cast<std::size_t>((255 - k) * 3 + c)]);
    }
    return act;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_sample <work folder> <character folder>\n");
        return 2;
    }
    namespace fs = std::filesystem;
    const std::string out = argv[1];
    const std::string charDir = argv[2];
    std::error_code ec;
    fs::create_directories(charDir, ec);
    fs::create_directories(out + "/sprites", ec);

    // Sprites: one PCX each, and the index sprmaker builds kit.sff from.
    const auto palette = sample::palette(1);
    std::string index = fs::absolute(charDir + "/kit.sff").string() + "\r\n";
    auto addPicture = [&](int group, int image, const sfflib::IndexedImage& picture, int axisX, int axisY) {
        const std::string name = "sprites/" + std::to_string(group) + "-" + std::to_string(image) + ".pcx";
        if (!write(out + "/" + name, sfflib::encodePcx(picture)))
            return false;
        index += name + "\r\n" + std::to_string(group) + "\r\n" + std::to_string(image) + "\r\n" + std::to_string(axisX)
            + "\r\n" + std::to_string(axisY) + "\r\n";
        return true;
    };
    const auto list = sprites();
    for (const Sprite& s : list) {
        if (!addPicture(s.group, s.image, sample::draw(s.pose, palette), sample::kAxisX, sample::kAxisY))
            return 1;
    }
    if (!addPicture(9000, 0, sample::drawPortrait(25, palette), 0, 0)
        || !addPicture(9000, 1, sample::drawPortrait(96, palette), 0, 0) || !write(out + "/sprites.txt", index))
        return 1;

    // Palettes.
    for (int n = 1; n <= 12; ++n) {
        if (!write(charDir + "/kit" + std::to_string(n) + ".act", actOf(sample::palette(n))))
            return 1;
    }

    // Sounds.
    vantrel::SoundBank bank;
    std::size_t bankSize = vantrel::kSndHeaderSize;
    for (const auto& s : sample::synthesizeSounds()) {
        vantrel::SoundSample sample;
        sample.groupNumber = s.group;
        sample.sampleNumber = s.number;
        sample.wavData = s.wav;
        vantrel::readWavInfo(sample.wavData, sample);
        bankSize += vantrel::kSndSubHeaderSize + sample.wavData.size();
        bank.samples.push_back(std::move(sample));
    }
    // As in the engine's own banks, the last sample's next offset is the file size.
    bank.samples.back().nextOffset = static_cast<std::int32_t>(bankSize);
    bank.setComment("Kit, the sample character of Vantrel");
    if (const auto written = vantrel::writeSndFile(charDir + "/kit.snd", bank); !written) {
        std::fprintf(stderr, "make_sample: %s\n", written.error().c_str());
        return 1;
    }

    // Text files, with CR LF line ends as the engine's own characters have.
    return write(charDir + "/kit.def", crlf(kDef)) && write(charDir + "/kit.cns", crlf(kCns))
            && write(charDir + "/kit.cmd", crlf(kCmd)) && write(charDir + "/kit.st", crlf(kSt))
            && write(charDir + "/kit.air", crlf(airFile(list)))
        ? 0
        : 1;
}
