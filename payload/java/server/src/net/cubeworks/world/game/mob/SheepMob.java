package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.List;
import java.util.Random;

import org.bukkit.DyeColor;
import org.bukkit.entity.Player;
import org.bukkit.entity.Sheep;

import net.cubeworks.world.game.event.MobEvents;
import net.cubeworks.world.protocol.EntityMetadata;
import net.cubeworks.world.protocol.MobPackets;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * A sheep: its wool's colour by the game's chances, sheared for one to three wool, which grows
 * back when it eats grass (the grass turns to dirt, tall grass is eaten away); it follows wheat.
 */
public final class SheepMob extends Animal implements Sheep {
    static final int SHEARS = 359;
    static final int WOOL = 35;
    static final int DYE = 351;
    static final int EAT_TICKS = 40;
    /** The wool's colour, 0 white to 15 black, as the wool block's data. */
    public int color;
    public boolean sheared;
    int eating;

    SheepMob(Mobs mobs, double x, double y, double z) {
        super(mobs, MobKind.SHEEP, x, y, z);
        color = fleece(mobs.random);
    }

    /** A new sheep's colour: black, grey and light grey 5 % each, brown 3 %, pink one in 500 of the rest, else white. */
    public static int fleece(Random random) {
        int i = random.nextInt(100);
        if (i < 5) {
            return 15;
        }
        if (i < 10) {
            return 7;
        }
        if (i < 15) {
            return 8;
        }
        if (i < 18) {
            return 12;
        }
        return random.nextInt(500) == 0 ? 6 : 0;
    }

    int food() {
        return 296;
    }

    Animal baby(double bx, double by, double bz) {
        SheepMob lamb = new SheepMob(mobs, bx, by, bz);
        lamb.color = mobs.random.nextBoolean() ? color : lamb.color;
        return lamb;
    }

    void think(long tick) {
        if (eating > 0) {
            if (--eating == 4) {
                eatGrass();
            }
            return;
        }
        super.think(tick);
        if (!walking.hasWay() && panicTicks == 0 && mobs.random.nextInt(age < 0 ? 50 : 1000) == 0 && grassHere()) {
            eating = EAT_TICKS;
            mobs.world.toViewers(this, PlayPackets.entityStatus(getEntityId(), MobPackets.STATUS_SHEEP_EATING));
        }
    }

    private boolean grassHere() {
        int bx = floor(x);
        int by = floor(y);
        int bz = floor(z);
        return mobs.world.blockAt(bx, by, bz) == 31 && mobs.world.metaAt(bx, by, bz) == 1
                || mobs.world.blockAt(bx, by - 1, bz) == 2;
    }

    private void eatGrass() {
        int bx = floor(x);
        int by = floor(y);
        int bz = floor(z);
        if (mobs.world.blockAt(bx, by, bz) == 31 && mobs.world.metaAt(bx, by, bz) == 1) {
            mobs.world.setBlock(bx, by, bz, 0, 0);
        } else if (mobs.world.blockAt(bx, by - 1, bz) == 2) {
            mobs.world.toNear(x, y, z, 64, PlayPackets.effect(PlayPackets.EFFECT_BLOCK_BREAK, bx, by - 1, bz, 2, false));
            mobs.world.setBlock(bx, by - 1, bz, 3, 0);
        } else {
            return;
        }
        if (sheared && MobEvents.regrowWool(mobs.world.host(), this)) {
            sheared = false;
            sendMetadata();
        }
        if (age < 0) {
            age = Math.min(0, age + 1200);
        }
    }

    public ClickUse interact(Player p, int item, int damage) {
        if (item == SHEARS && !sheared && age >= 0) {
            if (!MobEvents.shear(mobs.world.host(), p, this)) {
                return ClickUse.NOTHING;
            }
            sheared = true;
            sendMetadata();
            int n = 1 + mobs.random.nextInt(3);
            for (int i = 0; i < n; i++) {
                mobs.world.drop(x, y + 1, z, WOOL, 1, color);
            }
            return ClickUse.WEAR_TOOL;
        }
        if (item == DYE && damage >= 0 && damage < 16 && 15 - damage != color) {
            org.bukkit.event.entity.SheepDyeWoolEvent event = new org.bukkit.event.entity.SheepDyeWoolEvent(this,
                    DyeColor.getByWoolData((byte) (15 - damage)));
            mobs.world.host().callEvent(event);
            if (event.isCancelled()) {
                return ClickUse.NOTHING;
            }
            color = event.getColor().getWoolData();
            sendMetadata();
            return ClickUse.CONSUME_ONE;
        }
        return super.interact(p, item, damage);
    }

    void kindMetadata(EntityMetadata m) {
        super.kindMetadata(m);
        m.putByte(16, (color & 15) | (sheared ? 0x10 : 0));
    }

    List<int[]> drops(boolean byPlayer, boolean burning) {
        List<int[]> out = new ArrayList<int[]>();
        if (!sheared) {
            out.add(new int[] {WOOL, 1, color});
        }
        return out;
    }

    public boolean isSheared() {
        return sheared;
    }

    public void setSheared(boolean s) {
        synchronized (lock) {
            sheared = s;
            sendMetadata();
        }
    }

    public DyeColor getColor() {
        return DyeColor.getByWoolData((byte) color);
    }

    public void setColor(DyeColor c) {
        synchronized (lock) {
            color = c == null ? 0 : c.getWoolData();
            sendMetadata();
        }
    }
}
