package net.cubeworks.world.game.entity;

import org.bukkit.Effect;
import org.bukkit.Material;
import org.bukkit.block.BlockFace;
import org.bukkit.potion.Potion;

/** The number the Effect packet carries for an effect's data: a kind's id, a smoke direction, a potion. */
public final class EffectData {
    private EffectData() {
    }

    /** The packet's data number; data of the wrong kind for the effect is refused. */
    public static int of(Effect effect, Object data) {
        Class<?> wanted = effect.getData();
        if (wanted == null || data == null) {
            if (data != null && !(data instanceof Number)) {
                throw new IllegalArgumentException(effect + " takes no data");
            }
            return data == null ? 0 : ((Number) data).intValue();
        }
        if (!wanted.isInstance(data)) {
            throw new IllegalArgumentException(effect + " takes a " + wanted.getSimpleName() + ", not " + data);
        }
        if (data instanceof Material) {
            return ((Material) data).getId();
        }
        if (data instanceof Potion) {
            return ((Potion) data).toDamageValue() & 0x3F;
        }
        return smokeDirection((BlockFace) data);
    }

    /** The game's smoke directions: 0 south-east across to 8 north-west, 4 straight up. */
    static int smokeDirection(BlockFace face) {
        switch (face) {
            case SOUTH_EAST:
                return 0;
            case SOUTH:
                return 1;
            case SOUTH_WEST:
                return 2;
            case EAST:
                return 3;
            case WEST:
                return 5;
            case NORTH_EAST:
                return 6;
            case NORTH:
                return 7;
            case NORTH_WEST:
                return 8;
            default:
                return 4;
        }
    }
}
