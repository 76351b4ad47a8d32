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
    {"vfacing", "1 or -1"}, {"bindtime", "ticks"}, {"vel", "x, y"}, {"accel", "x, y"}, {"random", "x, y"},
    {"removetime", "ticks"}, {"supermove", "0 or 1"}, {"supermovetime", "ticks"}, {"pausemovetime", "ticks"},
    {"scale", "x, y"}, {"sprpriority", "number"}, {"ontop", "0 or 1"}, {"shadow", "r, g, b"}, {"ownpal", "0 or 1"},
    {"removeongethit", "0 or 1"}, {"trans", "none, add, addalpha, add1 or sub"}, {"alpha", "source, dest"}
};

// PalFX, AllPalFX and BGPalFX take the same parameters.
const Parameters kPalFxParameters = {
    {"time", "ticks"}, {"add", "r, g, b"}, {"mul", "r, g, b"}, {"sinadd", "r, g, b, period"},
    {"invertall", "0 or 1"}, {"color", "0 to 256"}
};

// clang-format on

} // namespace

const std::vector<StateController>& stateControllers()
{
    // name, required groups, parameters, help topic
    // clang-format off
    static const std::vector<StateController> table = {
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
        {"Projectile", {{"attr"}},
            joined({{"attr", "arg1, arg2"}, {"projid", "number"}, {"projanim", "action number"},
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
             {"afterimage.framegap", "as AfterImage"}, {"afterimage.trans", "as AfterImage"}}, kHitDefParameters),
            215},
        {"RemapPal", {{"source"}, {"dest"}}, {{"source", "group, number"}, {"dest", "group, number"}}, 272},
        {"RemoveExplod", {}, {{"id", "number"}}, 273},
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
    };
    // clang-format on
    return table;
}

const std::vector<Trigger>& triggers()
{
    // name, form, help topic, redirection
    static const std::vector<Trigger> table = {
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
        {"StateTime", "StateTime", 1128}, // another name for Time
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
    };
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

const ControllerParameter* findParameter(const StateController& controller, std::string_view name)
{
    const std::string wanted = toLowerAscii(name);
    for (const ControllerParameter& parameter : controller.parameters) {
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

bool isCommonControllerParameter(std::string_view name)
{
    const std::string wanted = toLowerAscii(name);
    if (wanted == "type" || wanted == "persistent" || wanted == "ignorehitpause" || wanted == "triggerall")
        return true;
    constexpr std::string_view kTrigger = "trigger";
    const std::string_view number = std::string_view(wanted).substr(std::min(wanted.size(), kTrigger.size()));
    return wanted.starts_with(kTrigger) && !number.empty()
        && number.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace vantrel
