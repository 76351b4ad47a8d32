#include "state_library.h"

#include "common/text.h"

#include <algorithm>
#include <string>

namespace vantrel {

namespace {

using Parameters = std::vector<ControllerParameter>;

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Orders names as the tables are sorted: letter case does not count.
bool lessIgnoringCase(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return lowerAscii(x) < lowerAscii(y); });
}

template <typename Entry> const Entry* findIn(const std::vector<Entry>& table, std::string_view name)
{
    const auto at = std::lower_bound(table.begin(), table.end(), name, [](const Entry& entry, std::string_view key) {
        return lessIgnoringCase(entry.name, key);
    });
    if (at == table.end() || toLowerAscii(at->name) != toLowerAscii(name))
        return nullptr;
    return &*at;
}

Parameters joined(Parameters own, const Parameters& shared)
{
    own.insert(own.end(), shared.begin(), shared.end());
    return own;
}

// The tables keep several parameters to a line; the formatter would give each its own.
// clang-format off
// Every parameter of HitDef but attr: Projectile and ReversalDef take them too.
const Parameters kHitDefParameters = {
    {"hitflag", "letters H, L, A, M, F, D, + or -"}, {"guardflag", "letters H, L, A or M"},
    {"affectteam", "B, E or F"}, {"animtype", "Light, Medium, Hard, Back, Up or DiagUp"},
    {"air.animtype", "as animtype"}, {"fall.animtype", "as animtype"}, {"priority", "value, Hit, Miss or Dodge"},
    {"damage", "hit_damage, guard_damage"}, {"pausetime", "p1_time, p2_time"},
    {"guard.pausetime", "p1_time, p2_time"}, {"sparkno", "action number"}, {"guard.sparkno", "action number"},
    {"sparkxy", "x, y"}, {"hitsound", "group, number"}, {"guardsound", "group, number"},
    {"ground.type", "High, Low, Trip or None"}, {"air.type", "High, Low, Trip or None"},
    {"ground.slidetime", "ticks"}, {"guard.slidetime", "ticks"}, {"ground.hittime", "ticks"},
    {"guard.hittime", "ticks"}, {"air.hittime", "ticks"}, {"guard.ctrltime", "ticks"}, {"guard.dist", "pixels"},
    {"yaccel", "number"}, {"ground.velocity", "x, y"}, {"guard.velocity", "x"}, {"air.velocity", "x, y"},
    {"airguard.velocity", "x, y"}, {"ground.cornerpush.veloff", "x"}, {"air.cornerpush.veloff", "x"},
    {"down.cornerpush.veloff", "x"}, {"guard.cornerpush.veloff", "x"}, {"airguard.cornerpush.veloff", "x"},
    {"airguard.ctrltime", "ticks"}, {"air.juggle", "number"}, {"mindist", "x, y"}, {"maxdist", "x, y"},
    {"snap", "x, y"}, {"p1sprpriority", "number"}, {"p2sprpriority", "number"}, {"p1facing", "0 or -1"},
    {"p1getp2facing", "0, 1 or -1"}, {"p2facing", "0, 1 or -1"}, {"p1stateno", "state number"},
    {"p2stateno", "state number"}, {"p2getp1state", "0 or 1"}, {"forcestand", "0 or 1"}, {"fall", "0 or 1"},
    {"fall.xvelocity", "number"}, {"fall.yvelocity", "number"}, {"fall.recover", "0 or 1"},
    {"fall.recovertime", "ticks"}, {"fall.damage", "number"}, {"air.fall", "0 or 1"}, {"forcenofall", "0 or 1"},
    {"down.velocity", "x, y"}, {"down.hittime", "ticks"}, {"down.bounce", "0 or 1"}, {"id", "number"},
    {"chainid", "number"}, {"nochainid", "id1, id2"}, {"hitonce", "0 or 1"}, {"kill", "0 or 1"},
    {"guard.kill", "0 or 1"}, {"fall.kill", "0 or 1"}, {"numhits", "number"}, {"getpower", "hit_power, guard_power"},
    {"givepower", "hit_power, guard_power"}, {"palfx.time", "ticks"}, {"palfx.mul", "r, g, b"},
    {"palfx.add", "r, g, b"}, {"envshake.time", "ticks"}, {"envshake.freq", "0 to 180"}, {"envshake.ampl", "pixels"},
    {"envshake.phase", "degrees"}, {"fall.envshake.time", "ticks"}, {"fall.envshake.freq", "0 to 180"},
    {"fall.envshake.ampl", "pixels"}, {"fall.envshake.phase", "degrees"}
};

// Explod's parameters besides anim, which ModifyExplod changes.
const Parameters kExplodParameters = {
    {"id", "number"}, {"pos", "x, y"}, {"postype", "p1, p2, front, back, left or right"}, {"facing", "1 or -1"},
    {"vfacing", "1 or -1"}, {"bindtime", "ticks"}, {"vel", "x, y"}, {"velocity", "x, y"}, {"accel", "x, y"}, {"random", "x, y"},
    {"removetime", "ticks"}, {"supermove", "0 or 1"}, {"supermovetime", "ticks"}, {"pausemovetime", "ticks"},
    {"scale", "x, y"}, {"sprpriority", "number"}, {"ontop", "0 or 1"}, {"shadow", "r, g, b"}, {"ownpal", "0 or 1"},
    {"removeongethit", "0 or 1"}, {"trans", "none, add, addalpha, add1 or sub"}, {"alpha", "source, dest"}
};

// PalFX, AllPalFX and BGPalFX take the same parameters.
const Parameters kPalFxParameters = {
    {"time", "ticks"}, {"add", "r, g, b"}, {"mul", "r, g, b"}, {"sinadd", "r, g, b, period"},
    {"invertall", "0 or 1"}, {"color", "0 to 256"}
};

// Projectile's own parameters; it takes HitDef's too.
const Parameters kProjectileParameters = {
    {"attr", "arg1, arg2"}, {"projid", "number"}, {"projanim", "action number"},
    {"projhitanim", "action number"}, {"projremanim", "action number"}, {"projcancelanim", "action number"},
    {"projscale", "x, y"}, {"projremove", "0 or 1"}, {"projremovetime", "ticks"}, {"velocity", "x, y"},
    {"remvelocity", "x, y"}, {"accel", "x, y"}, {"velmul", "x, y"}, {"projhits", "number"},
    {"projmisstime", "ticks"}, {"projpriority", "number"}, {"projsprpriority", "number"},
    {"projedgebound", "pixels"}, {"projstagebound", "pixels"}, {"projheightbound", "low, high"},
    {"offset", "x, y"}, {"postype", "p1, p2, front, back, left or right"}, {"projshadow", "r, g, b"},
    {"supermovetime", "ticks"}, {"pausemovetime", "ticks"}, {"ownpal", "0 or 1"},
    {"afterimage.time", "as AfterImage"}, {"afterimage.length", "as AfterImage"},
    {"afterimage.palcolor", "as AfterImage"}, {"afterimage.palinvertall", "as AfterImage"},
    {"afterimage.palbright", "as AfterImage"}, {"afterimage.palcontrast", "as AfterImage"},
    {"afterimage.palpostbright", "as AfterImage"}, {"afterimage.paladd", "as AfterImage"},
    {"afterimage.palmul", "as AfterImage"}, {"afterimage.timegap", "as AfterImage"},
    {"afterimage.framegap", "as AfterImage"}, {"afterimage.trans", "as AfterImage"}
};

// HitDef's parameters that only IKEMEN GO reads; its Projectile and ReversalDef read them too.
const Parameters kIkemenHitParameters = {
    {"teamside", "1, 2 or 3"}, {"hitsound.channel", "number"}, {"guardsound.channel", "number"},
    {"sprpriority", "number"}, {"forcecrouch", "0 or 1"}, {"fall.zvelocity", "number"},
    {"sparkangle", "degrees"}, {"guard.sparkangle", "degrees"}, {"xaccel", "number"}, {"zaccel", "number"},
    {"envshake.mul", "number"}, {"fall.envshake.mul", "number"}, {"dizzypoints", "number"},
    {"guardpoints", "number"}, {"redlife", "number"}, {"score", "hit_score, guard_score"},
    {"down.recover", "0 or 1"}, {"down.recovertime", "ticks"}, {"attack.depth", "front, back"},
    {"p2clsncheck", "1, 2 or 3"}, {"p2clsnrequire", "1, 2 or 3"}
};

// Projectile's own parameters that only IKEMEN GO reads.
const Parameters kIkemenProjectileParameters = {
    {"projangle", "degrees"}, {"projclsnscale", "x, y"}, {"projclsnangle", "degrees"},
    {"projlayerno", "-1, 0 or 1"}, {"projdepthbound", "pixels"}, {"remappal", "group, number"}
};

// clang-format on

// What IKEMEN GO's ModifyHitDef, ModifyReversalDef and ModifyProjectile change.
const Parameters kAllHitParameters = joined(kHitDefParameters, kIkemenHitParameters);
const Parameters kAllProjectileParameters =
    joined(joined(kProjectileParameters, kIkemenProjectileParameters), kAllHitParameters);

// The controllers of WinMUGEN and MUGEN 1.x, with the parameters MUGEN reads.
std::vector<StateController> mugenControllers()
{
    // name, required groups, parameters, help topic[, engine]
    // clang-format off
    return {
        {"AfterImage", {},
            {{"time", "ticks"}, {"length", "number"}, {"palcolor", "0 to 256"}, {"palinvertall", "0 or 1"},
             {"palbright", "r, g, b"}, {"palcontrast", "r, g, b"}, {"palpostbright", "r, g, b"},
             {"paladd", "r, g, b"}, {"palmul", "r, g, b"}, {"timegap", "ticks"}, {"framegap", "number"},
             {"trans", "none, add, add1, sub"}},
            225},
        {"AfterImageTime", {{"time", "value"}}, {{"time", "ticks"}, {"value", "ticks"}}, 236},
        {"AllPalFX", {}, kPalFxParameters, 237},
        {"AngleAdd", {{"value"}}, {{"value", "degrees"}}, 238},
        {"AngleDraw", {}, {{"value", "degrees"}, {"scale", "x, y"}}, 239},
        {"AngleMul", {{"value"}}, {{"value", "number"}}, 240},
        {"AngleSet", {{"value"}}, {{"value", "degrees"}}, 241},
        {"AppendToClipboard", {{"text"}}, {{"text", "\"format\""}, {"params", "exp1, exp2, ..."}}, 242},
        {"AssertSpecial", {{"flag"}}, {{"flag", "flag name"}, {"flag2", "flag name"}, {"flag3", "flag name"}}, 219},
        {"AttackDist", {{"value"}}, {{"value", "pixels"}}, 243},
        {"AttackMulSet", {{"value"}}, {{"value", "number"}}, 244},
        {"BGPalFX", {}, kPalFxParameters, 245},
        {"BindToParent", {}, {{"time", "ticks"}, {"facing", "0, 1 or -1"}, {"pos", "x, y"}}, 246},
        {"BindToRoot", {}, {{"time", "ticks"}, {"facing", "0, 1 or -1"}, {"pos", "x, y"}}, 247},
        {"BindToTarget", {}, {{"time", "ticks"}, {"id", "number"}, {"pos", "x, y, postype"}}, 248},
        {"ChangeAnim", {{"value"}}, {{"value", "action number"}, {"elem", "element number"}}, 202},
        {"ChangeAnim2", {{"value"}}, {{"value", "action number"}, {"elem", "element number"}}, 249},
        {"ChangeState", {{"value"}}, {{"value", "state number"}, {"ctrl", "0 or 1"}, {"anim", "action number"}}, 200},
        {"ClearClipboard", {}, {}, 250},
        {"CtrlSet", {{"value"}}, {{"value", "0 or 1"}}, 209},
        {"DefenceMulSet", {{"value"}}, {{"value", "number"}}, 251},
        {"DestroySelf", {}, {{"recursive", "0 or 1"}, {"removeexplods", "0 or 1"}}, 232},
        {"DisplayToClipboard", {{"text"}}, {{"text", "\"format\""}, {"params", "exp1, exp2, ..."}}, 252},
        {"EnvColor", {}, {{"value", "r, g, b"}, {"time", "ticks"}, {"under", "0 or 1"}}, 253},
        {"EnvShake", {{"time"}},
            {{"time", "ticks"}, {"freq", "0 to 180"}, {"ampl", "pixels"}, {"phase", "degrees"}},
            226},
        {"Explod", {{"anim"}}, joined({{"anim", "action number"}}, kExplodParameters), 213},
        {"ExplodBindTime", {}, {{"id", "number"}, {"time", "ticks"}, {"value", "ticks"}}, 254},
        {"FallEnvShake", {}, {}, 255},
        {"ForceFeedback", {},
            {{"waveform", "sine, square, sinesquare or off"}, {"time", "ticks"}, {"freq", "start, d1, d2, d3"},
             {"ampl", "start, d1, d2, d3"}, {"self", "0 or 1"}},
            256},
        {"GameMakeAnim", {},
            {{"value", "action number"}, {"under", "0 or 1"}, {"pos", "x, y"}, {"random", "pixels"}},
            257},
        {"Gravity", {}, {}, 258},
        {"Helper", {},
            {{"helpertype", "normal or player"}, {"name", "\"text\""}, {"id", "number"}, {"pos", "x, y"},
             {"postype", "p1, p2, front, back, left or right"}, {"facing", "1 or -1"}, {"stateno", "state number"},
             {"keyctrl", "0 or 1"}, {"ownpal", "0 or 1"}, {"supermovetime", "ticks"}, {"pausemovetime", "ticks"},
             {"size.xscale", "number"}, {"size.yscale", "number"}, {"size.ground.back", "pixels"},
             {"size.ground.front", "pixels"}, {"size.air.back", "pixels"}, {"size.air.front", "pixels"},
             {"size.height", "pixels"}, {"size.proj.doscale", "0 or 1"}, {"size.head.pos", "x, y"},
             {"size.mid.pos", "x, y"}, {"size.shadowoffset", "pixels"}},
            214},
        {"HitAdd", {{"value"}}, {{"value", "number"}}, 259},
        {"HitBy", {{"value", "value2"}},
            {{"value", "attribute string"}, {"value2", "attribute string"}, {"time", "ticks"}},
            221},
        {"HitDef", {{"attr"}}, joined({{"attr", "arg1, arg2"}}, kHitDefParameters), 211},
        {"HitFallDamage", {}, {}, 260},
        {"HitFallSet", {}, {{"value", "-1, 0 or 1"}, {"xvel", "number"}, {"yvel", "number"}}, 261},
        {"HitFallVel", {}, {}, 262},
        {"HitOverride", {{"attr"}, {"stateno"}},
            {{"attr", "attribute string"}, {"stateno", "state number"}, {"slot", "0 to 7"}, {"time", "ticks"},
             {"forceair", "0 or 1"}},
            263},
        {"HitVelSet", {}, {{"x", "0 or 1"}, {"y", "0 or 1"}}, 233},
        {"LifeAdd", {{"value"}}, {{"value", "number"}, {"kill", "0 or 1"}, {"absolute", "0 or 1"}}, 230},
        {"LifeSet", {{"value"}}, {{"value", "number"}}, 264},
        {"MakeDust", {}, {{"pos", "x, y"}, {"pos2", "x, y"}, {"spacing", "ticks"}}, 265},
        {"ModifyExplod", {}, kExplodParameters, 266},
        {"MoveHitReset", {}, {}, 267},
        {"NotHitBy", {{"value", "value2"}},
            {{"value", "attribute string"}, {"value2", "attribute string"}, {"time", "ticks"}},
            222},
        {"Null", {}, {}, 216},
        {"Offset", {}, {{"x", "pixels"}, {"y", "pixels"}}, 268},
        {"PalFX", {}, kPalFxParameters, 227},
        {"ParentVarAdd", {{"v", "fv", "var(*)", "fvar(*)"}},
            {{"v", "0 to 59"}, {"fv", "0 to 39"}, {"value", "number"}, {"var(*)", "number"}, {"fvar(*)", "number"}},
            269},
        {"ParentVarSet", {{"v", "fv", "var(*)", "fvar(*)"}},
            {{"v", "0 to 59"}, {"fv", "0 to 39"}, {"value", "number"}, {"var(*)", "number"}, {"fvar(*)", "number"}},
            270},
        {"Pause", {{"time"}},
            {{"time", "ticks"}, {"movetime", "ticks"}, {"pausebg", "0 or 1"}, {"endcmdbuftime", "ticks"}},
            229},
        {"PlayerPush", {{"value"}}, {{"value", "0 or 1"}}, 234},
        {"PlaySnd", {{"value"}},
            {{"value", "group, number"}, {"volumescale", "percent"}, {"volume", "number"}, {"channel", "number"},
             {"lowpriority", "0 or 1"}, {"freqmul", "number"}, {"loop", "0 or 1"}, {"pan", "pixels"},
             {"abspan", "pixels"}},
            212},
        {"PosAdd", {}, {{"x", "number"}, {"y", "number"}}, 206},
        {"PosFreeze", {}, {{"value", "0 or 1"}}, 208},
        {"PosSet", {}, {{"x", "number"}, {"y", "number"}}, 207},
        {"PowerAdd", {{"value"}}, {{"value", "number"}}, 231},
        {"PowerSet", {{"value"}}, {{"value", "number"}}, 271},
        {"Projectile", {{"attr"}}, joined(kProjectileParameters, kHitDefParameters), 215},
        {"RemapPal", {{"source"}, {"dest"}}, {{"source", "group, number"}, {"dest", "group, number"}}, 272},
        {"RemoveExplod", {}, {{"id", "number"}}, 273},
        {"RemoveText", {}, {{"id", "number"}},
            333, CharacterEngine::Mugen11},
        {"ReversalDef", {{"reversal.attr"}}, joined({{"reversal.attr", "attribute string"}}, kHitDefParameters), 274},
        {"ScreenBound", {}, {{"value", "0 or 1"}, {"movecamera", "x, y"}}, 275},
        {"SelfState", {{"value"}}, {{"value", "state number"}, {"ctrl", "0 or 1"}, {"anim", "action number"}}, 201},
        {"SndPan", {{"channel"}, {"pan", "abspan"}},
            {{"channel", "number"}, {"pan", "pixels"}, {"abspan", "pixels"}},
            276},
        {"SprPriority", {}, {{"value", "number"}}, 224},
        {"StateTypeSet", {},
            {{"statetype", "S, C, A or L"}, {"movetype", "I, A or H"}, {"physics", "S, C, A or N"}},
            210},
        {"StopSnd", {{"channel"}}, {{"channel", "number"}}, 277},
        {"SuperPause", {},
            {{"time", "ticks"}, {"anim", "action number"}, {"sound", "group, number"}, {"pos", "x, y"},
             {"darken", "0 or 1"}, {"p2defmul", "number"}, {"poweradd", "number"}, {"unhittable", "0 or 1"},
             {"movetime", "ticks"}},
            228},
        {"TargetBind", {}, {{"time", "ticks"}, {"id", "number"}, {"pos", "x, y"}}, 278},
        {"TargetDrop", {}, {{"excludeid", "number"}, {"keepone", "0 or 1"}}, 279},
        {"TargetFacing", {{"value"}}, {{"value", "1 or -1"}, {"id", "number"}}, 280},
        {"TargetLifeAdd", {{"value"}},
            {{"value", "number"}, {"id", "number"}, {"kill", "0 or 1"}, {"absolute", "0 or 1"}},
            281},
        {"TargetPowerAdd", {{"value"}}, {{"value", "number"}, {"id", "number"}}, 282},
        {"TargetState", {{"value"}}, {{"value", "state number"}, {"id", "number"}}, 235},
        {"TargetVelAdd", {}, {{"x", "number"}, {"y", "number"}, {"id", "number"}}, 283},
        {"TargetVelSet", {}, {{"x", "number"}, {"y", "number"}, {"id", "number"}}, 284},
        {"Trans", {{"trans"}},
            {{"trans", "default, none, add, addalpha, add1 or sub"}, {"alpha", "source, dest"}},
            285},
        {"Turn", {}, {}, 223},
        {"VarAdd", {{"v", "fv", "var(*)", "fvar(*)", "sysvar(*)", "sysfvar(*)"}},
            {{"v", "0 to 59"}, {"fv", "0 to 39"}, {"value", "number"}, {"var(*)", "number"}, {"fvar(*)", "number"},
             {"sysvar(*)", "number"}, {"sysfvar(*)", "number"}},
            218},
        {"VarRandom", {{"v"}}, {{"v", "0 to 59"}, {"range", "least, greatest"}}, 286},
        {"VarRangeSet", {{"value", "fvalue"}},
            {{"value", "number"}, {"fvalue", "number"}, {"first", "number"}, {"last", "number"}},
            287},
        {"VarSet", {{"v", "fv", "var(*)", "fvar(*)", "sysvar(*)", "sysfvar(*)"}},
            {{"v", "0 to 59"}, {"fv", "0 to 39"}, {"value", "number"}, {"var(*)", "number"}, {"fvar(*)", "number"},
             {"sysvar(*)", "number"}, {"sysfvar(*)", "number"}},
            217},
        {"VelAdd", {}, {{"x", "number"}, {"y", "number"}}, 204},
        {"VelMul", {}, {{"x", "number"}, {"y", "number"}}, 205},
        {"VelSet", {}, {{"x", "number"}, {"y", "number"}}, 203},
        {"VictoryQuote", {}, {{"value", "number"}}, 288},
        {"Width", {}, {{"edge", "front, back"}, {"player", "front, back"}, {"value", "front, back"}}, 220},
        {"Zoom", {},
            {{"pos", "x, y"}, {"scale", "number"}, {"lag", "number"}, {"camerabound", "0 or 1"},
             {"stagebound", "0 or 1"}, {"time", "ticks"}},
            354, CharacterEngine::Mugen11},
    };
    // clang-format on
}

// The controllers IKEMEN GO adds.
std::vector<StateController> ikemenControllers()
{
    // clang-format off
    return {
        {"AssertCommand", {{"name"}}, {{"name", "\"command name\""}, {"buffer.time", "ticks"}},
            300, CharacterEngine::Ikemen},
        {"AssertInput", {},
            {{"flag", "button or direction"}, {"flag2", "button or direction"},
             {"flag3", "button or direction"}},
            301, CharacterEngine::Ikemen},
        {"Camera", {},
            {{"followid", "player ID"}, {"pos", "x, y"}, {"view", "Fighting, Follow or Free"}},
            302, CharacterEngine::Ikemen},
        {"Dialogue", {},
            {{"text", "\"line\""}, {"hidebars", "0 or 1"}, {"force", "0 or 1"}},
            303, CharacterEngine::Ikemen},
        {"DizzyPointsAdd", {{"value"}}, {{"value", "number"}, {"absolute", "0 or 1"}},
            304, CharacterEngine::Ikemen},
        {"DizzyPointsSet", {{"value"}}, {{"value", "number"}},
            305, CharacterEngine::Ikemen},
        {"DizzySet", {{"value"}}, {{"value", "0 or 1"}},
            306, CharacterEngine::Ikemen},
        {"GetHitVarSet", {},
            {{"airtype", "High, Low, Trip or None"}, {"groundtype", "High, Low, Trip or None"},
             {"animtype", "Light, Medium, Hard, Back, Up or DiagUp"}, {"attr", "attribute string"},
             {"chainid", "number"}, {"id", "number"}, {"playerno", "number"}, {"ctrltime", "ticks"},
             {"down.recover", "0 or 1"}, {"down.recovertime", "ticks"}, {"fall", "0 or 1"},
             {"fall.damage", "number"}, {"fall.kill", "0 or 1"}, {"fall.recover", "0 or 1"},
             {"fall.recovertime", "ticks"}, {"fall.xvel", "number"}, {"fall.yvel", "number"},
             {"fall.zvel", "number"}, {"fall.envshake.time", "ticks"}, {"fall.envshake.freq", "0 to 180"},
             {"fall.envshake.ampl", "pixels"}, {"fall.envshake.phase", "degrees"},
             {"fall.envshake.mul", "number"}, {"fallcount", "number"}, {"guarded", "0 or 1"},
             {"hitshaketime", "ticks"}, {"hittime", "ticks"}, {"recovertime", "ticks"}, {"slidetime", "ticks"},
             {"xvel", "number"}, {"yvel", "number"}, {"zvel", "number"}, {"xaccel", "number"},
             {"yaccel", "number"}, {"zaccel", "number"}},
            307, CharacterEngine::Ikemen},
        {"GroundLevelOffset", {{"value"}}, {{"value", "pixels"}},
            308, CharacterEngine::Ikemen},
        {"GuardBreakSet", {{"value"}}, {{"value", "0 or 1"}},
            309, CharacterEngine::Ikemen},
        {"GuardPointsAdd", {{"value"}}, {{"value", "number"}, {"absolute", "0 or 1"}},
            310, CharacterEngine::Ikemen},
        {"GuardPointsSet", {{"value"}}, {{"value", "number"}},
            311, CharacterEngine::Ikemen},
        {"Height", {{"value"}}, {{"value", "top, bottom"}},
            312, CharacterEngine::Ikemen},
        {"LifebarAction", {},
            {{"top", "0 or 1"}, {"time", "ticks"}, {"timemul", "number"}, {"anim", "action number"},
             {"spr", "group, number"}, {"snd", "group, number"}, {"text", "\"text\""}},
            313, CharacterEngine::Ikemen},
        {"LoadFile", {},
            {{"path", "\"file name\""}, {"savedata", "var, fvar or map"}},
            314, CharacterEngine::Ikemen},
        {"MapAdd", {{"map"}}, {{"map", "\"name\""}, {"value", "number"}},
            315, CharacterEngine::Ikemen},
        {"MapSet", {{"map"}}, {{"map", "\"name\""}, {"value", "number"}},
            316, CharacterEngine::Ikemen},
        {"MatchRestart", {},
            {{"reload", "0 or 1 for each player"}, {"stagedef", "\"file\""}, {"p1def", "\"file\""},
             {"p2def", "\"file\""}, {"p3def", "\"file\""}, {"p4def", "\"file\""}, {"p5def", "\"file\""},
             {"p6def", "\"file\""}, {"p7def", "\"file\""}, {"p8def", "\"file\""}},
            317, CharacterEngine::Ikemen},
        {"ModifyBGCtrl", {{"id"}},
            {{"id", "number"}, {"time", "start, end, loop"}, {"value", "number"}, {"x", "number"},
             {"y", "number"}, {"source", "group, number"}, {"dest", "group, number"}, {"add", "r, g, b"},
             {"mul", "r, g, b"}, {"sinadd", "r, g, b, period"}, {"sinmul", "r, g, b, period"},
             {"sincolor", "amount, period"}, {"sinhue", "amount, period"}, {"invertall", "0 or 1"},
             {"invertblend", "number"}, {"color", "0 to 256"}, {"hue", "degrees"}},
            318, CharacterEngine::Ikemen},
        {"ModifyBGM", {},
            {{"volume", "number"}, {"loopstart", "sample"}, {"loopend", "sample"}, {"freqmul", "number"},
             {"position", "sample"}},
            319, CharacterEngine::Ikemen},
        {"ModifyHitDef", {},
            joined({{"attr", "arg1, arg2"}}, kAllHitParameters),
            320, CharacterEngine::Ikemen},
        {"ModifyPlayer", {},
            {{"lifemax", "number"}, {"powermax", "number"}, {"dizzypointsmax", "number"},
             {"guardpointsmax", "number"}, {"teamside", "1, 2 or 3"}, {"helperid", "number"},
             {"displayname", "\"name\""}, {"lifebarname", "\"name\""}, {"helpername", "\"name\""}},
            321, CharacterEngine::Ikemen},
        {"ModifyProjectile", {},
            joined({{"index", "number"}}, kAllProjectileParameters),
            322, CharacterEngine::Ikemen},
        {"ModifyReversalDef", {},
            joined({{"reversal.attr", "attribute string"}}, kAllHitParameters),
            323, CharacterEngine::Ikemen},
        {"ModifySnd", {},
            {{"channel", "number"}, {"pan", "pixels"}, {"abspan", "pixels"}, {"priority", "number"},
             {"position", "sample"}, {"loop", "0 or 1"}, {"stopongethit", "0 or 1"},
             {"stoponchangestate", "0 or 1"}, {"volume", "number"}, {"volumescale", "percent"},
             {"freqmul", "number"}, {"loopstart", "sample"}, {"loopend", "sample"}, {"loopcount", "number"}},
            324, CharacterEngine::Ikemen},
        {"ModifyStageVar", {},
            {{"camera.boundleft", "number"}, {"camera.boundright", "number"}, {"camera.boundhigh", "number"},
             {"camera.boundlow", "number"}, {"camera.verticalfollow", "number"},
             {"camera.floortension", "number"}, {"camera.tensionhigh", "number"},
             {"camera.tensionlow", "number"}, {"camera.tension", "number"}, {"camera.tensionvel", "number"},
             {"camera.cuthigh", "number"}, {"camera.cutlow", "number"}, {"camera.startzoom", "number"},
             {"camera.zoomout", "number"}, {"camera.zoomin", "number"}, {"camera.zoomindelay", "number"},
             {"camera.zoominspeed", "number"}, {"camera.zoomoutspeed", "number"},
             {"camera.yscrollspeed", "number"}, {"camera.ytension.enable", "0 or 1"},
             {"camera.autocenter", "0 or 1"}, {"camera.lowestcap", "0 or 1"},
             {"playerinfo.leftbound", "number"}, {"playerinfo.rightbound", "number"},
             {"playerinfo.topbound", "number"}, {"playerinfo.botbound", "number"}, {"scaling.topz", "number"},
             {"scaling.botz", "number"}, {"scaling.topscale", "number"}, {"scaling.botscale", "number"},
             {"bound.screenleft", "number"}, {"bound.screenright", "number"}, {"stageinfo.zoffset", "x, y"},
             {"stageinfo.zoffsetlink", "number"}, {"stageinfo.xscale", "number"},
             {"stageinfo.yscale", "number"}, {"shadow.intensity", "number"}, {"shadow.color", "r, g, b"},
             {"shadow.yscale", "number"}, {"shadow.fade.range", "x, y"}, {"shadow.xshear", "number"},
             {"shadow.offset", "x, y"}, {"reflection.intensity", "number"}, {"reflection.yscale", "number"},
             {"reflection.xshear", "number"}, {"reflection.color", "r, g, b"}, {"reflection.offset", "x, y"}},
            325, CharacterEngine::Ikemen},
        {"ParentMapAdd", {{"map"}}, {{"map", "\"name\""}, {"value", "number"}},
            326, CharacterEngine::Ikemen},
        {"ParentMapSet", {{"map"}}, {{"map", "\"name\""}, {"value", "number"}},
            327, CharacterEngine::Ikemen},
        {"PlayBGM", {},
            {{"bgm", "\"file\""}, {"loop", "0 or 1"}, {"startposition", "sample"}, {"volume", "number"},
             {"loopstart", "sample"}, {"loopend", "sample"}, {"loopcount", "number"}},
            328, CharacterEngine::Ikemen},
        {"PrintToConsole", {}, {{"text", "\"format\""}, {"params", "exp1, exp2, ..."}},
            329, CharacterEngine::Ikemen},
        {"RedLifeAdd", {{"value"}}, {{"value", "number"}, {"absolute", "0 or 1"}},
            330, CharacterEngine::Ikemen},
        {"RedLifeSet", {{"value"}}, {{"value", "number"}},
            331, CharacterEngine::Ikemen},
        {"RemapSprite", {},
            {{"source", "group, number"}, {"dest", "group, number"}, {"reset", "0 or 1"},
             {"preset", "\"name\""}},
            332, CharacterEngine::Ikemen},
        {"RootMapAdd", {{"map"}}, {{"map", "\"name\""}, {"value", "number"}},
            334, CharacterEngine::Ikemen},
        {"RootMapSet", {{"map"}}, {{"map", "\"name\""}, {"value", "number"}},
            335, CharacterEngine::Ikemen},
        {"RootVarAdd", {{"v", "fv", "var(*)", "fvar(*)", "sysvar(*)", "sysfvar(*)"}},
            {{"v", "0 to 59"}, {"fv", "0 to 39"}, {"value", "number"}, {"var(*)", "number"},
             {"fvar(*)", "number"}, {"sysvar(*)", "number"}, {"sysfvar(*)", "number"}},
            336, CharacterEngine::Ikemen},
        {"RootVarSet", {{"v", "fv", "var(*)", "fvar(*)", "sysvar(*)", "sysfvar(*)"}},
            {{"v", "0 to 59"}, {"fv", "0 to 39"}, {"value", "number"}, {"var(*)", "number"},
             {"fvar(*)", "number"}, {"sysvar(*)", "number"}, {"sysfvar(*)", "number"}},
            337, CharacterEngine::Ikemen},
        {"RoundTimeAdd", {{"value"}}, {{"value", "ticks"}},
            338, CharacterEngine::Ikemen},
        {"RoundTimeSet", {{"value"}}, {{"value", "ticks"}},
            339, CharacterEngine::Ikemen},
        {"SaveFile", {},
            {{"path", "\"file name\""}, {"savedata", "var, fvar or map"}},
            340, CharacterEngine::Ikemen},
        {"ScoreAdd", {{"value"}}, {{"value", "number"}},
            341, CharacterEngine::Ikemen},
        {"ShadowOffset", {},
            {{"x", "pixels"}, {"y", "pixels"}, {"z", "pixels"}, {"reflection", "0 or 1"}},
            342, CharacterEngine::Ikemen},
        {"TagIn", {},
            {{"self", "0 or 1"}, {"partner", "number"}, {"stateno", "state number"},
             {"partnerstateno", "state number"}, {"ctrl", "0 or 1"}, {"partnerctrl", "0 or 1"},
             {"leader", "number"}},
            343, CharacterEngine::Ikemen},
        {"TagOut", {},
            {{"self", "0 or 1"}, {"partner", "number"}, {"stateno", "state number"},
             {"partnerstateno", "state number"}},
            344, CharacterEngine::Ikemen},
        {"TargetAdd", {{"playerid"}}, {{"playerid", "player ID"}},
            345, CharacterEngine::Ikemen},
        {"TargetDizzyPointsAdd", {{"value"}},
            {{"value", "number"}, {"id", "number"}, {"absolute", "0 or 1"}},
            346, CharacterEngine::Ikemen},
        {"TargetGuardPointsAdd", {{"value"}},
            {{"value", "number"}, {"id", "number"}, {"absolute", "0 or 1"}},
            347, CharacterEngine::Ikemen},
        {"TargetRedLifeAdd", {{"value"}},
            {{"value", "number"}, {"id", "number"}, {"absolute", "0 or 1"}},
            348, CharacterEngine::Ikemen},
        {"TargetScoreAdd", {{"value"}}, {{"value", "number"}, {"id", "number"}},
            349, CharacterEngine::Ikemen},
        {"TeamMapAdd", {{"map"}}, {{"map", "\"name\""}, {"value", "number"}},
            350, CharacterEngine::Ikemen},
        {"TeamMapSet", {{"map"}}, {{"map", "\"name\""}, {"value", "number"}},
            351, CharacterEngine::Ikemen},
        {"Text", {},
            {{"text", "\"format\""}, {"params", "exp1, exp2, ..."}, {"id", "number"}, {"removetime", "ticks"},
             {"layerno", "-1, 0 or 1"}, {"localcoord", "width, height"}, {"font", "number or \"file\""},
             {"bank", "number"}, {"align", "-1, 0 or 1"}, {"linespacing", "pixels"}, {"textdelay", "ticks"},
             {"pos", "x, y"}, {"velocity", "x, y"}, {"friction", "x, y"}, {"accel", "x, y"}, {"scale", "x, y"},
             {"color", "r, g, b"}},
            352, CharacterEngine::Ikemen},
        {"TransformClsn", {}, {{"scale", "x, y"}, {"angle", "degrees"}},
            353, CharacterEngine::Ikemen},
    };
    // clang-format on
}

struct LaterParameters {
    std::string_view controller;
    CharacterEngine since;
    Parameters parameters;
};

// Parameters of MUGEN's controllers that MUGEN 1.0, 1.1 or only IKEMEN GO read.
std::vector<LaterParameters> laterParameters()
{
    // clang-format off
    return {
        {"AttackMulSet", CharacterEngine::Ikemen, {{"damage", "number"}, {"redlife", "number"},
             {"dizzypoints", "number"}, {"guardpoints", "number"}}},
        {"BindToTarget", CharacterEngine::Ikemen, {{"posz", "number"}}},
        {"ChangeAnim", CharacterEngine::Ikemen, {{"readplayerid", "player ID"}}},
        {"ChangeAnim2", CharacterEngine::Ikemen, {{"readplayerid", "player ID"}}},
        {"ChangeState", CharacterEngine::Ikemen, {{"continue", "0 or 1"}, {"readplayerid", "player ID"}}},
        {"DefenceMulSet", CharacterEngine::Ikemen, {{"multype", "0 or 1"}}},
        {"DestroySelf", CharacterEngine::Ikemen, {{"removetexts", "0 or 1"}}},
        {"EnvShake", CharacterEngine::Ikemen, {{"mul", "number"}}},
        {"Explod", CharacterEngine::Mugen10, {{"angle", "degrees"}, {"xangle", "degrees"},
             {"yangle", "degrees"}}},
        {"Explod", CharacterEngine::Mugen11, {{"space", "screen or stage"}}},
        {"Explod", CharacterEngine::Ikemen, {{"animelem", "element number"}, {"animfreeze", "0 or 1"},
             {"focallength", "pixels"}, {"remappal", "group, number"},
             {"friction", "x, y"}, {"bindid", "player ID"}, {"layerno", "-1, 0 or 1"},
             {"removeonchangestate", "0 or 1"}, {"window", "x1, y1, x2, y2"}, {"under", "0 or 1"},
             {"projection", "orthographic, perspective or perspective2"}, {"interpolation.time", "ticks"},
             {"interpolation.animelem", "first, last"}, {"interpolation.scale", "x1, y1, x2, y2"},
             {"interpolation.angle", "a1, x1, y1, a2, x2, y2"}, {"interpolation.alpha", "s1, d1, s2, d2"},
             {"interpolation.offset", "x1, y1, x2, y2"}, {"interpolation.focallength", "first, last"},
             {"interpolation.palfx.mul", "r, g, b, r2, g2, b2"},
             {"interpolation.palfx.add", "r, g, b, r2, g2, b2"}, {"interpolation.palfx.color", "first, last"},
             {"interpolation.palfx.hue", "first, last"}}},
        {"GameMakeAnim", CharacterEngine::Ikemen, {{"anim", "action number"}}},
        {"Helper", CharacterEngine::Ikemen, {{"size.height.crouch", "pixels"},
             {"size.height.air", "top, bottom"}, {"size.height.down", "pixels"}, {"size.depth", "front, back"},
             {"size.weight", "number"}, {"size.pushfactor", "number"}, {"remappal", "group, number"},
             {"extendsmap", "0 or 1"}, {"inheritjuggle", "0, 1 or 2"}, {"inheritchannels", "0, 1 or 2"},
             {"immortal", "0 or 1"}, {"kovelocity", "0 or 1"}, {"preserve", "0 or 1"}, {"standby", "0 or 1"},
             {"ownclsnscale", "0 or 1"}}},
        {"HitBy", CharacterEngine::Ikemen, {{"slot", "0 to 7"}, {"attr", "attribute string"},
             {"playerno", "number"}, {"playerid", "player ID"}, {"stack", "0 or 1"}}},
        {"HitOverride", CharacterEngine::Ikemen, {{"keepstate", "0 or 1"}}},
        {"HitVelSet", CharacterEngine::Ikemen, {{"z", "0 or 1"}}},
        {"ModifyExplod", CharacterEngine::Mugen10, {{"angle", "degrees"}, {"xangle", "degrees"},
             {"yangle", "degrees"}}},
        {"ModifyExplod", CharacterEngine::Mugen11, {{"space", "screen or stage"}}},
        {"ModifyExplod", CharacterEngine::Ikemen, {{"index", "number"}, {"anim", "action number"},
             {"interpolation", "0 or 1"}, {"animelem", "element number"}, {"animfreeze", "0 or 1"},
             {"focallength", "pixels"}, {"remappal", "group, number"},
             {"friction", "x, y"}, {"bindid", "player ID"}, {"layerno", "-1, 0 or 1"},
             {"removeonchangestate", "0 or 1"}, {"window", "x1, y1, x2, y2"}, {"under", "0 or 1"},
             {"projection", "orthographic, perspective or perspective2"}}},
        {"NotHitBy", CharacterEngine::Ikemen, {{"slot", "0 to 7"}, {"attr", "attribute string"},
             {"playerno", "number"}, {"playerid", "player ID"}, {"stack", "0 or 1"}}},
        {"PlayerPush", CharacterEngine::Ikemen, {{"priority", "number"}}},
        {"PlaySnd", CharacterEngine::Ikemen, {{"priority", "number"}, {"loopstart", "sample"},
             {"loopend", "sample"}, {"startposition", "sample"}, {"loopcount", "number"},
             {"stopongethit", "0 or 1"}, {"stoponchangestate", "0 or 1"}}},
        {"PosAdd", CharacterEngine::Ikemen, {{"z", "number"}}},
        {"PosSet", CharacterEngine::Ikemen, {{"z", "number"}}},
        {"RemoveExplod", CharacterEngine::Ikemen, {{"index", "number"}}},
        {"ScreenBound", CharacterEngine::Ikemen, {{"stagebound", "0 or 1"}}},
        {"SelfState", CharacterEngine::Ikemen, {{"continue", "0 or 1"}, {"readplayerid", "player ID"}}},
        {"SprPriority", CharacterEngine::Ikemen, {{"layerno", "-1, 0 or 1"}}},
        {"StateTypeSet", CharacterEngine::Ikemen, {{"value", "S, C, A or L"}}},
        {"SuperPause", CharacterEngine::Mugen11, {{"pausebg", "0 or 1"}, {"endcmdbuftime", "ticks"}}},
        {"TargetLifeAdd", CharacterEngine::Ikemen, {{"dizzy", "0 or 1"}, {"redlife", "0 or 1"}}},
        {"TargetVelAdd", CharacterEngine::Ikemen, {{"z", "number"}}},
        {"TargetVelSet", CharacterEngine::Ikemen, {{"z", "number"}}},
        {"VelAdd", CharacterEngine::Ikemen, {{"z", "number"}}},
        {"VelMul", CharacterEngine::Ikemen, {{"z", "number"}}},
        {"VelSet", CharacterEngine::Ikemen, {{"z", "number"}}},
        {"HitDef", CharacterEngine::Ikemen, kIkemenHitParameters},
        {"ReversalDef", CharacterEngine::Ikemen, kIkemenHitParameters},
        {"Projectile", CharacterEngine::Ikemen, joined(kIkemenProjectileParameters, kIkemenHitParameters)},
    };
    // clang-format on
}

template <typename Entry> void sortByName(std::vector<Entry>& table)
{
    std::sort(table.begin(), table.end(),
              [](const Entry& a, const Entry& b) { return lessIgnoringCase(a.name, b.name); });
}

std::vector<StateController> allControllers()
{
    std::vector<StateController> table = mugenControllers();
    for (LaterParameters& later : laterParameters()) {
        const auto controller = std::find_if(table.begin(), table.end(),
                                             [&](const StateController& c) { return c.name == later.controller; });
        for (ControllerParameter& parameter : later.parameters) {
            parameter.since = later.since;
            controller->parameters.push_back(parameter);
        }
    }
    std::vector<StateController> ikemen = ikemenControllers();
    table.insert(table.end(), std::make_move_iterator(ikemen.begin()), std::make_move_iterator(ikemen.end()));
    sortByName(table);
    return table;
}

} // namespace

const std::vector<StateController>& stateControllers()
{
    static const std::vector<StateController> table = allControllers();
    return table;
}

const std::vector<Trigger>& triggers()
{
    // name, form, help topic, redirection[, engine]
    static const std::vector<Trigger> table = [] {
        std::vector<Trigger> all = {
            {"Abs", "Abs(exp)", 1000},
            {"ACos", "ACos(exp)", 1001},
            {"AILevel", "AILevel", 1002},
            {"Alive", "Alive", 1003},
            {"Anim", "Anim", 1004},
            {"AnimElem", "AnimElem = elem [, [oper] ticks]", 1005},
            {"AnimElemNo", "AnimElemNo(offset)", 1006},
            {"AnimElemTime", "AnimElemTime(elem)", 1007},
            {"AnimExist", "AnimExist(action)", 1008},
            {"AnimTime", "AnimTime", 1009},
            {"ASin", "ASin(exp)", 1010},
            {"ATan", "ATan(exp)", 1011},
            {"AuthorName", "AuthorName = \"name\"", 1012},
            {"BackEdge", "BackEdge", 1013},
            {"BackEdgeBodyDist", "BackEdgeBodyDist", 1014},
            {"BackEdgeDist", "BackEdgeDist", 1015},
            {"BottomEdge", "BottomEdge", 1016},
            {"CameraPos", "CameraPos X | CameraPos Y", 1017},
            {"CameraZoom", "CameraZoom", 1018},
            {"CanRecover", "CanRecover", 1019},
            {"Ceil", "Ceil(exp)", 1020},
            {"Command", "Command = \"name\"", 1021},
            {"Cond", "Cond(condition, exp_true, exp_false)", 1022},
            {"Const", "Const(param_name)", 1023},
            {"Const240p", "Const240p(exp)", 1024},
            {"Const480p", "Const480p(exp)", 1025},
            {"Const720p", "Const720p(exp)", 1026},
            {"Cos", "Cos(exp)", 1027},
            {"Ctrl", "Ctrl", 1028},
            {"DrawGame", "DrawGame", 1029},
            {"E", "E", 1030},
            {"Enemy", "Enemy(n), trigger", 1031, true},
            {"EnemyNear", "EnemyNear(n), trigger", 1032, true},
            {"Exp", "Exp(exp)", 1033},
            {"Facing", "Facing", 1034},
            {"Floor", "Floor(exp)", 1035},
            {"FrontEdge", "FrontEdge", 1036},
            {"FrontEdgeBodyDist", "FrontEdgeBodyDist", 1037},
            {"FrontEdgeDist", "FrontEdgeDist", 1038},
            {"FVar", "FVar(exp)", 1039},
            {"GameHeight", "GameHeight", 1040},
            {"GameTime", "GameTime", 1041},
            {"GameWidth", "GameWidth", 1042},
            {"GetHitVar", "GetHitVar(param_name)", 1043},
            {"Helper", "Helper(ID), trigger", 1044, true},
            {"HitCount", "HitCount", 1045},
            {"HitDefAttr", "HitDefAttr = state_types, attack_types", 1046},
            {"HitFall", "HitFall", 1047},
            {"HitOver", "HitOver", 1048},
            {"HitPauseTime", "HitPauseTime", 1049},
            {"HitShakeOver", "HitShakeOver", 1050},
            {"HitVel", "HitVel X | HitVel Y", 1051},
            {"ID", "ID", 1052},
            {"IfElse", "IfElse(condition, exp_true, exp_false)", 1053},
            {"InGuardDist", "InGuardDist", 1054},
            {"IsHelper", "IsHelper | IsHelper(ID)", 1055},
            {"IsHomeTeam", "IsHomeTeam", 1056},
            {"LeftEdge", "LeftEdge", 1057},
            {"Life", "Life", 1058},
            {"LifeMax", "LifeMax", 1059},
            {"Ln", "Ln(exp)", 1060},
            {"Log", "Log(base, value)", 1061},
            {"Lose", "Lose | LoseKO | LoseTime", 1062},
            {"LoseKO", "LoseKO", 1062},
            {"LoseTime", "LoseTime", 1062},
            {"MatchNo", "MatchNo", 1063},
            {"MatchOver", "MatchOver", 1064},
            {"MoveContact", "MoveContact", 1065},
            {"MoveGuarded", "MoveGuarded", 1066},
            {"MoveHit", "MoveHit", 1067},
            {"MoveReversed", "MoveReversed", 1068},
            {"MoveType", "MoveType = A | I | H", 1069},
            {"Name", "Name = \"name\"", 1070},
            {"NumEnemy", "NumEnemy", 1071},
            {"NumExplod", "NumExplod | NumExplod(ID)", 1072},
            {"NumHelper", "NumHelper | NumHelper(ID)", 1073},
            {"NumPartner", "NumPartner", 1074},
            {"NumProj", "NumProj", 1075},
            {"NumProjID", "NumProjID(ID)", 1076},
            {"NumTarget", "NumTarget | NumTarget(ID)", 1077},
            {"P1Name", "P1Name = \"name\"", 1078},
            {"P2BodyDist", "P2BodyDist X | P2BodyDist Y", 1079},
            {"P2Dist", "P2Dist X | P2Dist Y", 1080},
            {"P2Life", "P2Life", 1081},
            {"P2MoveType", "P2MoveType = A | I | H", 1082},
            {"P2Name", "P2Name = \"name\"", 1083},
            {"P2StateNo", "P2StateNo", 1084},
            {"P2StateType", "P2StateType = S | C | A | L", 1085},
            {"P3Name", "P3Name = \"name\"", 1086},
            {"P4Name", "P4Name = \"name\"", 1087},
            {"PalNo", "PalNo", 1088},
            {"Parent", "Parent, trigger", 1089, true},
            {"ParentDist", "ParentDist X | ParentDist Y", 1090},
            {"Partner", "Partner, trigger", 1091, true},
            {"Pi", "Pi", 1092},
            {"PlayerID", "PlayerID(ID), trigger", 1093, true},
            {"PlayerIDExist", "PlayerIDExist(ID)", 1094},
            {"Pos", "Pos X | Pos Y", 1095},
            {"Power", "Power", 1096},
            {"PowerMax", "PowerMax", 1097},
            {"PrevStateNo", "PrevStateNo", 1098},
            {"ProjCancelTime", "ProjCancelTime(ID)", 1099},
            {"ProjContact", "ProjContact[ID] = 0 | 1 [, [oper] ticks]", 1100},
            {"ProjContactTime", "ProjContactTime(ID)", 1101},
            {"ProjGuarded", "ProjGuarded[ID] = 0 | 1 [, [oper] ticks]", 1102},
            {"ProjGuardedTime", "ProjGuardedTime(ID)", 1103},
            {"ProjHit", "ProjHit[ID] = 0 | 1 [, [oper] ticks]", 1104},
            {"ProjHitTime", "ProjHitTime(ID)", 1105},
            {"Random", "Random", 1106},
            {"RightEdge", "RightEdge", 1107},
            {"Root", "Root, trigger", 1108, true},
            {"RootDist", "RootDist X | RootDist Y", 1109},
            {"RoundNo", "RoundNo", 1110},
            {"RoundsExisted", "RoundsExisted", 1111},
            {"RoundState", "RoundState", 1112},
            {"ScreenHeight", "ScreenHeight", 1113},
            {"ScreenPos", "ScreenPos X | ScreenPos Y", 1114},
            {"ScreenWidth", "ScreenWidth", 1115},
            {"SelfAnimExist", "SelfAnimExist(action)", 1116},
            {"Sin", "Sin(exp)", 1117},
            {"StageVar", "StageVar(param_name) = \"text\"", 1118},
            {"StateNo", "StateNo", 1119},
            {"StateType", "StateType = S | C | A | L", 1120},
            {"SysFVar", "SysFVar(exp)", 1121},
            {"SysVar", "SysVar(exp)", 1122},
            {"Tan", "Tan(exp)", 1123},
            {"Target", "Target(ID), trigger", 1124, true},
            {"TeamMode", "TeamMode = single | simul | turns", 1125},
            {"TeamSide", "TeamSide", 1126},
            {"TicksPerSecond", "TicksPerSecond", 1127},
            {"Time", "Time", 1128},
            {"TimeMod", "TimeMod = divisor, value", 1129},
            {"TopEdge", "TopEdge", 1130},
            {"UniqHitCount", "UniqHitCount", 1131},
            {"Var", "Var(exp)", 1132},
            {"Vel", "Vel X | Vel Y", 1133},
            {"Win", "Win | WinKO | WinTime | WinPerfect", 1134},
            {"WinKO", "WinKO", 1134},
            {"WinPerfect", "WinPerfect", 1134},
            {"WinTime", "WinTime", 1134},
            // Those of MUGEN 1.1 and IKEMEN GO; sorted in with the others below.
            {"AILevelF", "AILevelF", 1135, false, CharacterEngine::Ikemen},
            {"AirJumpCount", "AirJumpCount", 1136, false, CharacterEngine::Ikemen},
            {"Alpha", "Alpha Source | Alpha Dest", 1137, false, CharacterEngine::Ikemen},
            {"Angle", "Angle", 1138, false, CharacterEngine::Ikemen},
            {"AnimFrame", "AnimFrame(param)", 1139, false, CharacterEngine::Ikemen},
            {"AnimLength", "AnimLength", 1140, false, CharacterEngine::Ikemen},
            {"AnimPlayerNo", "AnimPlayerNo", 1141, false, CharacterEngine::Ikemen},
            {"ATan2", "ATan2(y, x)", 1142, false, CharacterEngine::Ikemen},
            {"Attack", "Attack", 1143, false, CharacterEngine::Ikemen},
            {"BGMVar", "BGMVar(param)", 1144, false, CharacterEngine::Ikemen},
            {"BotBoundDist", "BotBoundDist", 1145, false, CharacterEngine::Mugen11},
            {"Clamp", "Clamp(value, min, max)", 1146, false, CharacterEngine::Ikemen},
            {"ClsnOverlap", "ClsnOverlap(box, id, box2)", 1147, false, CharacterEngine::Ikemen},
            {"ClsnVar", "ClsnVar(box, index, param)", 1148, false, CharacterEngine::Ikemen},
            {"ComboCount", "ComboCount", 1149, false, CharacterEngine::Ikemen},
            {"ConsecutiveWins", "ConsecutiveWins", 1150, false, CharacterEngine::Ikemen},
            {"Const1080p", "Const1080p(exp)", 1151, false, CharacterEngine::Ikemen},
            {"Defence", "Defence", 1152, false, CharacterEngine::Ikemen},
            {"Deg", "Deg(exp)", 1153, false, CharacterEngine::Ikemen},
            {"DisplayName", "DisplayName = \"name\"", 1154, false, CharacterEngine::Ikemen},
            {"Dizzy", "Dizzy", 1155, false, CharacterEngine::Ikemen},
            {"DizzyPoints", "DizzyPoints", 1156, false, CharacterEngine::Ikemen},
            {"DizzyPointsMax", "DizzyPointsMax", 1157, false, CharacterEngine::Ikemen},
            {"DrawPalNo", "DrawPalNo", 1158, false, CharacterEngine::Ikemen},
            {"EnvShakeVar", "EnvShakeVar(param)", 1159, false, CharacterEngine::Ikemen},
            {"ExplodVar", "ExplodVar(ID, index, param)", 1160, false, CharacterEngine::Ikemen},
            {"FightScreenVar", "FightScreenVar(param)", 1161, false, CharacterEngine::Ikemen},
            {"FightTime", "FightTime", 1162, false, CharacterEngine::Ikemen},
            {"FirstAttack", "FirstAttack", 1163, false, CharacterEngine::Ikemen},
            {"Float", "Float(exp)", 1164, false, CharacterEngine::Ikemen},
            {"GameMode", "GameMode = \"mode\"", 1165, false, CharacterEngine::Ikemen},
            {"GameOption", "GameOption(param)", 1166, false, CharacterEngine::Ikemen},
            {"GroundAngle", "GroundAngle", 1167, false, CharacterEngine::Ikemen},
            {"GuardBreak", "GuardBreak", 1168, false, CharacterEngine::Ikemen},
            {"GuardCount", "GuardCount", 1169, false, CharacterEngine::Ikemen},
            {"GuardPoints", "GuardPoints", 1170, false, CharacterEngine::Ikemen},
            {"GuardPointsMax", "GuardPointsMax", 1171, false, CharacterEngine::Ikemen},
            {"HelperID", "HelperID", 1172, false, CharacterEngine::Ikemen},
            {"HelperIndex", "HelperIndex(n), trigger", 1173, true, CharacterEngine::Ikemen},
            {"HelperIndexExist", "HelperIndexExist(n)", 1174, false, CharacterEngine::Ikemen},
            {"HelperName", "HelperName = \"name\"", 1175, false, CharacterEngine::Ikemen},
            {"HitOverridden", "HitOverridden", 1176, false, CharacterEngine::Ikemen},
            {"IkemenVersion", "IkemenVersion", 1177, false, CharacterEngine::Ikemen},
            {"InCustomAnim", "InCustomAnim", 1178, false, CharacterEngine::Ikemen},
            {"InCustomState", "InCustomState", 1179, false, CharacterEngine::Ikemen},
            {"Index", "Index", 1180, false, CharacterEngine::Ikemen},
            {"InDialogue", "InDialogue", 1181, false, CharacterEngine::Ikemen},
            {"InputTime", "InputTime(button)", 1182, false, CharacterEngine::Ikemen},
            {"IntroState", "IntroState", 1183, false, CharacterEngine::Ikemen},
            {"IsAsserted", "IsAsserted(flag)", 1184, false, CharacterEngine::Ikemen},
            {"IsHost", "IsHost", 1185, false, CharacterEngine::Ikemen},
            {"LastPlayerID", "LastPlayerID", 1186, false, CharacterEngine::Ikemen},
            {"LayerNo", "LayerNo", 1187, false, CharacterEngine::Ikemen},
            {"Lerp", "Lerp(a, b, amount)", 1188, false, CharacterEngine::Ikemen},
            {"LocalCoord", "LocalCoord X | LocalCoord Y", 1189, false, CharacterEngine::Ikemen},
            {"Map", "Map(name)", 1190, false, CharacterEngine::Ikemen},
            {"Max", "Max(a, b)", 1191, false, CharacterEngine::Ikemen},
            {"MemberNo", "MemberNo", 1192, false, CharacterEngine::Ikemen},
            {"Min", "Min(a, b)", 1193, false, CharacterEngine::Ikemen},
            {"MoveCountered", "MoveCountered", 1194, false, CharacterEngine::Ikemen},
            {"MoveHitVar", "MoveHitVar(param)", 1195, false, CharacterEngine::Ikemen},
            {"MugenVersion", "MugenVersion", 1196, false, CharacterEngine::Ikemen},
            {"NumPlayer", "NumPlayer", 1197, false, CharacterEngine::Ikemen},
            {"NumText", "NumText | NumText(ID)", 1198, false, CharacterEngine::Mugen11},
            {"Offset", "Offset X | Offset Y", 1199, false, CharacterEngine::Ikemen},
            {"P2", "P2, trigger", 1200, true, CharacterEngine::Ikemen},
            {"P5Name", "P5Name = \"name\"", 1201, false, CharacterEngine::Ikemen},
            {"P6Name", "P6Name = \"name\"", 1202, false, CharacterEngine::Ikemen},
            {"P7Name", "P7Name = \"name\"", 1203, false, CharacterEngine::Ikemen},
            {"P8Name", "P8Name = \"name\"", 1204, false, CharacterEngine::Ikemen},
            {"PalFXVar", "PalFXVar(param)", 1205, false, CharacterEngine::Ikemen},
            {"PauseTime", "PauseTime", 1206, false, CharacterEngine::Ikemen},
            {"Physics", "Physics = S | C | A | N", 1207, false, CharacterEngine::Ikemen},
            {"Player", "Player(n), trigger", 1208, true, CharacterEngine::Ikemen},
            {"PlayerCount", "PlayerCount", 1209, false, CharacterEngine::Ikemen},
            {"PlayerIndex", "PlayerIndex(n), trigger", 1210, true, CharacterEngine::Ikemen},
            {"PlayerIndexExist", "PlayerIndexExist(n)", 1211, false, CharacterEngine::Ikemen},
            {"PlayerNo", "PlayerNo", 1212, false, CharacterEngine::Ikemen},
            {"PrevAnim", "PrevAnim", 1213, false, CharacterEngine::Ikemen},
            {"PrevMoveType", "PrevMoveType = A | I | H", 1214, false, CharacterEngine::Ikemen},
            {"PrevStateType", "PrevStateType = S | C | A | L", 1215, false, CharacterEngine::Ikemen},
            {"ProjVar", "ProjVar(ID, index, param)", 1216, false, CharacterEngine::Ikemen},
            {"Rad", "Rad(exp)", 1217, false, CharacterEngine::Ikemen},
            {"RandomRange", "RandomRange(min, max)", 1218, false, CharacterEngine::Ikemen},
            {"RatioLevel", "RatioLevel", 1219, false, CharacterEngine::Ikemen},
            {"ReceivedDamage", "ReceivedDamage", 1220, false, CharacterEngine::Ikemen},
            {"ReceivedHits", "ReceivedHits", 1221, false, CharacterEngine::Ikemen},
            {"RedLife", "RedLife", 1222, false, CharacterEngine::Ikemen},
            {"ReversalDefAttr", "ReversalDefAttr = state_types, attack_types", 1223, false, CharacterEngine::Ikemen},
            {"Round", "Round(exp, places)", 1224, false, CharacterEngine::Ikemen},
            {"RoundType", "RoundType", 1225, false, CharacterEngine::Ikemen},
            {"RunOrder", "RunOrder", 1226, false, CharacterEngine::Ikemen},
            {"Scale", "Scale X | Scale Y", 1227, false, CharacterEngine::Ikemen},
            {"Score", "Score", 1228, false, CharacterEngine::Ikemen},
            {"ScoreTotal", "ScoreTotal", 1229, false, CharacterEngine::Ikemen},
            {"SelfCommand", "SelfCommand = \"name\"", 1230, false, CharacterEngine::Ikemen},
            {"SelfStateNoExist", "SelfStateNoExist(n)", 1231, false, CharacterEngine::Ikemen},
            {"Sign", "Sign(exp)", 1232, false, CharacterEngine::Ikemen},
            {"SprPriority", "SprPriority", 1233, false, CharacterEngine::Ikemen},
            {"StageBackEdgeDist", "StageBackEdgeDist", 1234, false, CharacterEngine::Ikemen},
            {"StageConst", "StageConst(param)", 1235, false, CharacterEngine::Ikemen},
            {"StageFrontEdgeDist", "StageFrontEdgeDist", 1236, false, CharacterEngine::Ikemen},
            {"StageTime", "StageTime", 1237, false, CharacterEngine::Ikemen},
            {"Standby", "Standby", 1238, false, CharacterEngine::Ikemen},
            {"StateOwner", "StateOwner, trigger", 1239, true, CharacterEngine::Ikemen},
            {"TeamLeader", "TeamLeader", 1240, false, CharacterEngine::Ikemen},
            {"TeamSize", "TeamSize", 1241, false, CharacterEngine::Ikemen},
            {"TimeElapsed", "TimeElapsed", 1242, false, CharacterEngine::Ikemen},
            {"TimeRemaining", "TimeRemaining", 1243, false, CharacterEngine::Ikemen},
            {"TimeTotal", "TimeTotal", 1244, false, CharacterEngine::Ikemen},
            {"TopBoundDist", "TopBoundDist", 1245, false, CharacterEngine::Mugen11},
            {"WinHyper", "WinHyper", 1246, false, CharacterEngine::Ikemen},
            {"WinSpecial", "WinSpecial", 1247, false, CharacterEngine::Ikemen},
        };
        sortByName(all);
        return all;
    }();
    return table;
}

const StateController* findStateController(std::string_view name)
{
    return findIn(stateControllers(), name);
}

const Trigger* findTrigger(std::string_view name)
{
    if (const Trigger* trigger = findIn(triggers(), name))
        return trigger;
    // ProjHit1000: the projectile triggers take their ProjID glued to the name.
    const auto digits = name.find_last_not_of("0123456789");
    if (digits == std::string_view::npos || digits + 1 == name.size())
        return nullptr;
    const Trigger* trigger = findIn(triggers(), name.substr(0, digits + 1));
    return trigger && trigger->form.find("[ID]") != std::string_view::npos ? trigger : nullptr;
}

const ControllerParameter* findParameter(const StateController& controller, std::string_view name,
                                         CharacterEngine engine)
{
    const std::string wanted = toLowerAscii(name);
    for (const ControllerParameter& parameter : controller.parameters) {
        if (!availableIn(parameter, engine))
            continue;
        if (parameter.name == wanted)
            return &parameter;
        // "var(*)" stands for var(0), var(1), ...: any text between the parentheses.
        if (parameter.name.ends_with("(*)")) {
            const std::string_view stem = parameter.name.substr(0, parameter.name.size() - 2);
            if (wanted.size() > stem.size() + 1 && wanted.starts_with(stem) && wanted.back() == ')')
                return &parameter;
        }
    }
    return nullptr;
}

bool isCommonControllerParameter(std::string_view name, CharacterEngine engine)
{
    const std::string wanted = toLowerAscii(name);
    if (wanted == "type" || wanted == "persistent" || wanted == "ignorehitpause" || wanted == "triggerall")
        return true;
    if (wanted == "redirectid")
        return engine == CharacterEngine::Ikemen;
    constexpr std::string_view kTrigger = "trigger";
    const std::string_view number = std::string_view(wanted).substr(std::min(wanted.size(), kTrigger.size()));
    return wanted.starts_with(kTrigger) && !number.empty()
        && number.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace vantrel
