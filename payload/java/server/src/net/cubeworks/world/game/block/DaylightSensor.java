package net.cubeworks.world.game.block;

import java.util.ArrayList;
import java.util.List;

import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.game.world.Daylight;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.level.Column;

/**
 * A daylight sensor gives weak power to every side by the sun's height, as the game reckons it:
 * the sky light at the sensor less what the night takes away, times the cosine of the sun's angle
 * drawn a fifth of the way toward noon, rounded, 0 to 15. Its data is its power. Each sensor
 * (known by its block entity, "DLDetector") looks again every 20 ticks of the world's age.
 */
final class DaylightSensor {
    /** How often a sensor looks at the sky, in ticks. */
    static final int PERIOD = 20;

    private DaylightSensor() {
    }

    /** The power a sensor with the sky light skyLight gives at the time of day. */
    static int power(int skyLight, long dayTime) {
        int light = skyLight - Daylight.subtracted(dayTime);
        float a = Daylight.angle(dayTime) * (float) Math.PI * 2;
        a += a < (float) Math.PI ? -a * 0.2f : ((float) Math.PI * 2 - a) * 0.2f;
        return Math.max(0, Math.min(15, Math.round(light * (float) Math.cos(a))));
    }

    /** Brings the sensor at x, y, z to the power the sky gives it now; the blocks beside it are told when it changed. */
    static void update(BlockWorld w, int x, int y, int z) {
        if (w.blockAt(x, y, z) != BlockIds.DAYLIGHT_SENSOR) {
            return;
        }
        int now = power(w.skyLightAt(x, y, z), w.dayTime());
        if (now != w.metaAt(x, y, z)) {
            w.setBlockQuietly(x, y, z, BlockIds.DAYLIGHT_SENSOR, now);
            w.tellNeighbours(x, y, z);
        }
    }

    /** Every PERIOD ticks: each sensor of the column looks at the sky. */
    static void tick(BlockWorld w, Column c) {
        if (w.worldTime() % PERIOD != 0) {
            return;
        }
        List<BlockEntity> sensors = null;
        for (BlockEntity e : c.blockEntities()) {
            if (BlockEntity.DAYLIGHT_SENSOR.equals(e.id)) {
                if (sensors == null) {
                    sensors = new ArrayList<BlockEntity>();
                }
                sensors.add(e);
            }
        }
        if (sensors != null) {
            for (BlockEntity e : sensors) {
                update(w, e.x, e.y, e.z);
            }
        }
    }
}
