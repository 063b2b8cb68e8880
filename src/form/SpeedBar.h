#pragma once

// How the speed bar moves, on every platform: by one for a click on either arrow or on the
// track and for each arrow or page key, to its ends for Home and End, and to where its thumb was
// let go after a drag, which so writes once. It never leaves speedMinimum to speedMaximum.
enum class SpeedBarMove {
    stepDown, // towards speedMinimum: the left arrow, the track left of the thumb, Left, Up
    stepUp,   // towards speedMaximum
    toMinimum,
    toMaximum,
    thumbTo, // a drag let go at a value
};

// Where the bar stands after the move.
int speedBarMovedTo(int current, SpeedBarMove move, int thumbAt = 0);
