package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.List;

import org.bukkit.Location;
import org.bukkit.entity.Enderman;
import org.bukkit.entity.Entity;
import org.bukkit.entity.LivingEntity;
import org.bukkit.entity.Player;
import org.bukkit.entity.Projectile;
import org.bukkit.event.entity.EntityDamageEvent.DamageCause;
import org.bukkit.event.entity.EntityTargetEvent.TargetReason;
import org.bukkit.material.MaterialData;

import net.cubeworks.world.game.event.EntityBlockEvents;
import net.cubeworks.world.protocol.EntityMetadata;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * An enderman, by the game's rules: neutral until a player stares at it (his look within a narrow
 * cone of its head, six ticks in a row, no pumpkin on his head) or hits it; then it screams and
 * hunts him, teleporting away when he looks at it from near and toward him when far. Water and
 * rain hurt it and make it teleport, as do burning and the bright sun now and then; arrows and
 * other thrown things never hurt it: it teleports away instead. With the game rule
 * {@code mobGriefing} it picks up the game's carriable blocks (grass, dirt, sand, gravel,
 * flowers, mushrooms, TNT, cactus, clay, pumpkins, melons, mycelium) one time in 20 a tick and
 * puts one down on a solid block one time in 2000.
 */
public final class EndermanMob extends Monster implements Enderman {
    private static final boolean[] CARRIABLE = new boolean[256];

    static {
        for (int id : new int[] {2, 3, 12, 13, 37, 38, 39, 40, 46, 81, 82, 86, 103, 110}) {
            CARRIABLE[id] = true;
        }
    }

    public int carried;
    public int carriedData;
    boolean screaming;
    /** Hit by a player: it stays angry. */
    boolean provoked;
    int stareTicks;

    EndermanMob(Mobs mobs, double x, double y, double z) {
        super(mobs, MobKind.ENDERMAN, x, y, z);
    }

    static boolean carriable(int id) {
        return id > 0 && id < 256 && CARRIABLE[id];
    }

    boolean mayTakeTarget() {
        return false; // only a stare or a hit makes it hunt
    }

    void think(long tick) {
        boolean wet = body.inWater || mobs.world.raining() && hazards.skyAbove();
        if (wet) {
            hurt(1, null, DamageCause.DROWNING);
        }
        if (dead) {
            return;
        }
        if (wet || fireTicks > 0 || hazards.sunStruck()) {
            calm();
            teleportRandomly();
        }
        if (mobs.world.griefing()) {
            carry();
        }
        if (screaming && !provoked && mobs.random.nextInt(100) == 0) {
            setScreaming(false);
        }
        if (target == null) {
            Player p = targets.nearestPlayer(64, false);
            if (p != null && staredAtBy(p)) {
                if (stareTicks++ == 5) {
                    stareTicks = 0;
                    setScreaming(true);
                    targets.set(p, TargetReason.CLOSEST_PLAYER);
                }
            } else {
                stareTicks = 0;
            }
        } else if (target instanceof Player && staredAtBy((Player) target)) {
            if (targets.distanceSquared(target) < 16) {
                teleportRandomly();
            }
            stareTicks = 0;
        } else if (targets.distanceSquared(target) > 256 && stareTicks++ >= 30 && teleportToward(target)) {
            stareTicks = 0;
        }
        super.think(tick);
        if (target == null && screaming && !provoked) {
            setScreaming(false);
        }
    }

    private void calm() {
        if (target != null) {
            targets.set(null, TargetReason.FORGOT_TARGET);
        }
        setScreaming(false);
        provoked = false;
    }

    /** Whether the player looks at its head: his look within 0.025 / distance of the line to it, and he sees it. */
    boolean staredAtBy(Player p) {
        if (p.getGameMode() == org.bukkit.GameMode.CREATIVE || p.isDead()) {
            return false;
        }
        org.bukkit.inventory.ItemStack helmet = p.getInventory() == null ? null : p.getInventory().getHelmet();
        if (helmet != null && helmet.getTypeId() == 86) {
            return false; // a pumpkin on the head
        }
        Location eye = p.getLocation();
        double ey = eye.getY() + p.getEyeHeight();
        double dx = x - eye.getX();
        double dy = y + kind.height / 2 - ey;
        double dz = z - eye.getZ();
        double len = Math.sqrt(dx * dx + dy * dy + dz * dz);
        if (len < 1.0E-6) {
            return false;
        }
        double yaw = Math.toRadians(eye.getYaw());
        double pitch = Math.toRadians(eye.getPitch());
        double lx = -Math.sin(yaw) * Math.cos(pitch);
        double ly = -Math.sin(pitch);
        double lz = Math.cos(yaw) * Math.cos(pitch);
        double dot = (lx * dx + ly * dy + lz * dz) / len;
        return dot > 1.0 - 0.025 / len && LineOfSight.sees(this, p);
    }

    private void carry() {
        if (carried == 0) {
            if (mobs.random.nextInt(20) != 0) {
                return;
            }
            int bx = floor(x - 2 + mobs.random.nextDouble() * 4);
            int by = floor(y + mobs.random.nextDouble() * 3);
            int bz = floor(z - 2 + mobs.random.nextDouble() * 4);
            int id = mobs.world.blockAt(bx, by, bz);
            if (carriable(id) && mobs.world.loaded(bx, bz) && EntityBlockEvents.change(mobs.world.host(),
                    mobs.world.api(), this, bx, by, bz, 0, 0)) {
                carried = id;
                carriedData = mobs.world.metaAt(bx, by, bz);
                mobs.world.setBlock(bx, by, bz, 0, 0);
                sendMetadata();
            }
        } else if (mobs.random.nextInt(2000) == 0) {
            int bx = floor(x - 1 + mobs.random.nextDouble() * 2);
            int by = floor(y + mobs.random.nextDouble() * 2);
            int bz = floor(z - 1 + mobs.random.nextDouble() * 2);
            int below = mobs.world.blockAt(bx, by - 1, bz);
            if (by > 0 && by < 256 && mobs.world.loaded(bx, bz) && mobs.world.blockAt(bx, by, bz) == 0 && below != 0
                    && Shapes.cube(below, mobs.world.metaAt(bx, by - 1, bz))
                    && EntityBlockEvents.change(mobs.world.host(), mobs.world.api(), this, bx, by, bz,
                            carried, carriedData)) {
                mobs.world.setBlock(bx, by, bz, carried, carriedData);
                carried = 0;
                carriedData = 0;
                sendMetadata();
            }
        }
    }

    /** A jump to a random place within 32 blocks across and up or down, onto ground where its body fits. */
    boolean teleportRandomly() {
        return teleportTo(x + (mobs.random.nextDouble() - 0.5) * 64, y + (mobs.random.nextInt(64) - 32),
                z + (mobs.random.nextDouble() - 0.5) * 64);
    }

    /** A jump toward the entity: 16 blocks along the line to it, spread by 8. */
    boolean teleportToward(Entity e) {
        Location l = e.getLocation();
        double dx = x - l.getX();
        double dy = y + kind.height / 2 - l.getY() - (e instanceof LivingEntity ? ((LivingEntity) e).getEyeHeight() : 0);
        double dz = z - l.getZ();
        double len = Math.sqrt(dx * dx + dy * dy + dz * dz);
        if (len < 1.0E-6) {
            return false;
        }
        return teleportTo(x + (mobs.random.nextDouble() - 0.5) * 8 - dx / len * 16,
                y + (mobs.random.nextInt(16) - 8) - dy / len * 16,
                z + (mobs.random.nextDouble() - 0.5) * 8 - dz / len * 16);
    }

    /** Goes down from the place to the first solid block; there, where its body meets no block nor liquid, it is. */
    boolean teleportTo(double tx, double ty, double tz) {
        int bx = floor(tx);
        int by = floor(ty);
        int bz = floor(tz);
        if (!mobs.world.loaded(bx, bz) || by > 255) {
            return false;
        }
        while (by > 0 && !Shapes.stops(mobs.world.blockAt(bx, by - 1, bz), mobs.world.metaAt(bx, by - 1, bz))) {
            by--;
            ty--;
        }
        if (by <= 0 || !fits(tx, ty, tz)) {
            return false;
        }
        Location from = getLocation();
        Location to = EntityBlockEvents.teleport(mobs.world.host(), this, from,
                new Location(getWorld(), tx, ty, tz, yaw, pitch));
        if (to == null) {
            return false;
        }
        mobs.world.toNear(x, y, z, 16, PlayPackets.namedSoundEffect("mob.endermen.portal", x, y, z, 1f, 1f));
        x = to.getX();
        y = to.getY();
        z = to.getZ();
        motionX = 0;
        motionY = 0;
        motionZ = 0;
        fallDistance = 0;
        walking.stop();
        mobs.world.toNear(x, y, z, 16, PlayPackets.namedSoundEffect("mob.endermen.portal", x, y, z, 1f, 1f));
        return true;
    }

    /** Whether its body at the place meets no solid block and no liquid. */
    private boolean fits(double tx, double ty, double tz) {
        double half = kind.width / 2;
        for (int bx = floor(tx - half); bx <= floor(tx + half); bx++) {
            for (int bz = floor(tz - half); bz <= floor(tz + half); bz++) {
                for (int by = floor(ty); by <= floor(ty + kind.height); by++) {
                    int id = mobs.world.blockAt(bx, by, bz);
                    if (Shapes.stops(id, mobs.world.metaAt(bx, by, bz)) || Shapes.water(id) || Shapes.lava(id)) {
                        return false;
                    }
                }
            }
        }
        return true;
    }

    /** It screams at anything that hurts it; a thrown thing or an arrow never does: it teleports away. */
    @Override
    public boolean hurt(float amount, Entity source, DamageCause cause) {
        if (dead || isRemoved()) {
            return false;
        }
        setScreaming(true);
        if (source instanceof Projectile) {
            provoked = false;
            for (int i = 0; i < 64; i++) {
                if (teleportRandomly()) {
                    break;
                }
            }
            return false;
        }
        if (source instanceof Player) {
            provoked = true;
        }
        return super.hurt(amount, source, cause);
    }

    private void setScreaming(boolean on) {
        if (screaming != on) {
            screaming = on;
            sendMetadata();
        }
    }

    void kindMetadata(EntityMetadata m) {
        m.putByte(16, carried & 255);
        m.putByte(17, carriedData & 15);
        m.putByte(18, screaming ? 1 : 0);
    }

    List<int[]> drops(boolean byPlayer, boolean burning) {
        List<int[]> out = new ArrayList<int[]>();
        out.add(some(368, 1)); // ender pearl
        return out;
    }

    @SuppressWarnings("deprecation")
    public MaterialData getCarriedMaterial() {
        synchronized (lock) {
            return new MaterialData(carried, (byte) carriedData);
        }
    }

    @SuppressWarnings("deprecation")
    public void setCarriedMaterial(MaterialData m) {
        synchronized (lock) {
            carried = m == null ? 0 : m.getItemTypeId();
            carriedData = m == null ? 0 : m.getData();
            sendMetadata();
        }
    }
}
